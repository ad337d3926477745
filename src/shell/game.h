#pragma once
// The simulation: everything a tick computes and a later tick (or the state
// dump) reads, in one object made once at start-up. Tables are fixed in size
// and indexed from 1 the way the rules number them (element 0 is unused), so
// nothing is allocated while the game runs. It holds no pictures, no pixels
// and no pointers: a plain copy of it is a snapshot of the game.
#include <cstdint>

#include "core/pcg32.h"
#include "core/short_text.h"
#include "shell/language.h"
#include "shell/object_map.h"
#include "shell/sound.h"

namespace klumpix {

constexpr int kTextCellCount = 10000;
constexpr int kMaxLights = 50;
constexpr int kFloorTileCount = 840;
constexpr int kFloatingTextCount = 50;
constexpr int kBonusLevels = 13;
constexpr int kGameTypes = 8;
constexpr int kPlaces = 5;
constexpr int kMaxTextCalls = 512;  // WriteText calls remembered per tick for the state dump

enum ScreenMode : std::int32_t { kModePlay = 1, kModeHelp = 2, kModeInfo = 3, kModeNameEntry = 4 };

// The object table: one array per field, element per slot 1..900.
struct ObjectTable {
  std::int16_t alive[kSlotCount + 1];
  std::int16_t kind[kSlotCount + 1];
  std::int16_t image[kSlotCount + 1];
  std::int16_t variant[kSlotCount + 1];
  std::int16_t frame[kSlotCount + 1];
  std::int16_t x[kSlotCount + 1];
  std::int16_t y[kSlotCount + 1];
  std::int16_t depth[kSlotCount + 1];
  std::int16_t src_left[kSlotCount + 1];
  std::int16_t src_right[kSlotCount + 1];
  std::int16_t src_top[kSlotCount + 1];
  std::int16_t src_bottom[kSlotCount + 1];
  std::int16_t width[kSlotCount + 1];
  std::int16_t height[kSlotCount + 1];
  std::int16_t half_width[kSlotCount + 1];
  std::int16_t half_height[kSlotCount + 1];
  std::int32_t tag[kSlotCount + 1];
  std::int16_t cell_stone[kSlotCount + 1];
  std::int32_t rest_colour[kSlotCount + 1];
  std::int32_t match_mark[kSlotCount + 1];
  std::int32_t neighbor[kSlotCount + 1][7];  // directions 1..6
};

// One WriteText call, remembered for the state dump.
struct TextCall {
  std::int16_t x, y, font, alpha;
  ShortText text;
};

// The text layer: glyph cells queued during a tick, drawn on top of all, and
// the WriteText calls that queued them.
struct TextLayer {
  std::int32_t text_cell_count;
  std::int16_t text_cell_glyph[kTextCellCount + 1];
  std::int16_t text_cell_x[kTextCellCount + 1];
  std::int16_t text_cell_y[kTextCellCount + 1];
  std::int16_t text_cell_font[kTextCellCount + 1];
  std::int16_t text_cell_alpha[kTextCellCount + 1];
  TextCall text_calls[kMaxTextCalls];
  std::int32_t text_call_count;
};

struct FloatingText {
  std::int16_t x, y, font, timer;
  ShortText text;
};

// A sound start of the last tick, as it was played (for the state dump).
struct StartedSound {
  int sound;  // SoundId
  std::int32_t pan;
  std::int32_t volume;
};

// The values the start-up tick gives the player's settings: the game's own,
// or what the settings file or an input script's start line chose.
struct StartValues {
  bool sound_on;
  std::int32_t sound_volume;
  std::int32_t light_level;
  std::int32_t game_type;
  Language language;  // of every text the game shows; stays for the whole run

  bool operator==(const StartValues&) const = default;
};
constexpr StartValues kDefaultStartValues{true, 35000, 25000, 3, Language::kGerman};

// The mouse as the handlers left it for the tick.
struct MouseState {
  std::int32_t mouse_x, mouse_y;
  bool left_button_down;
  bool right_button_down;
  bool clicked;
  // A press stays fresh until the end of the next full tick; its release, if
  // it comes before then, is held back so that tick still sees the press.
  bool left_press_fresh, right_press_fresh;
  bool left_release_held, right_release_held;
};

// The stone store: its rows and their countdowns, the sinking start value
// with its fill bonuses, and the stack on the pointer.
struct StoneStore {
  std::int32_t store[kStoreRows + 1][4];
  std::int32_t row_countdown[kStoreRows + 1];
  std::int16_t active_row;
  std::int32_t countdown_start;
  std::int32_t countdown_start_timer;
  bool bonus_given[kBonusLevels + 1];
  std::int32_t carried[4];
};

// What the player set with Ctrl-click and the SOUND and LICHT buttons.
struct PlayerSettings {
  bool sound_on;
  std::int32_t sound_volume;
  std::int32_t light_level;
};

// The sounds asked for during a tick, and those the tick started.
struct SoundRequests {
  bool sound_request[kSoundCount];
  std::int32_t sound_pan[kSoundCount];
  StartedSound started_sounds[kSoundCount];
  int started_sound_count;
};

// The floor's tiles: where each lies and its design. How bright each one is
// follows from the tick's lights (TileBrightness).
struct Floor {
  std::int32_t floor_tile_count;
  std::int32_t floor_tile_x[kFloorTileCount + 1];
  std::int32_t floor_tile_y[kFloorTileCount + 1];
  std::int32_t floor_tile_design[kFloorTileCount + 1];
};

// The lights queued during a tick; the floor is lit by them.
struct Lights {
  std::int32_t light_count;
  std::int32_t light_x[kMaxLights + 1];
  std::int32_t light_y[kMaxLights + 1];
  double light_strength[kMaxLights + 1];
};

// The highscore name entry.
struct NameEntry {
  FixedText<7> entry_name;
  std::int16_t entry_name_length;  // letters clicked; ENTER's "-" for no name is not one
  std::int32_t winner_place;
  bool entry_placed;
  bool winners_write_failed;  // the last save of groar.dat failed; shown to the player
};

// Where this run keeps its files, as the info page shows them.
struct GameFiles {
  FixedText<56> info_winners_place;
  FixedText<56> info_settings_place;
  bool kept_in_browser;  // the page's files: the info page speaks to a browser player
  bool best_games_kept;  // a click on the first place watches its game (window and page)
};

struct Game {
  // --- shell ---
  std::int32_t tick_count;
  std::int32_t view_width;
  std::int32_t view_height;
  std::int32_t screen_mode;
  MouseState mouse;
  bool quit_requested;
  bool timer_enabled;
  PlayerSettings settings;
  std::uint64_t seed;        // applied to rng by InitProgramState
  StartValues start_values;  // applied by InitProgramState
  Pcg32 rng;

  SoundRequests sounds;

  // --- object table ---
  ObjectTable obj;
  std::int32_t slot_top;
  std::int32_t dynamic_slot_floor;
  std::int32_t free_slot_cursor;

  // --- renderer ---
  std::int32_t shake;
  std::int32_t shake_prev;
  double shake_phase;

  Floor floor;
  Lights lights;
  TextLayer text;

  // --- board and game flags ---
  std::int32_t game_type;
  bool game_running;
  bool game_over;
  bool confirm_open;

  // --- play screen ---
  StoneStore stone_store;
  std::int32_t score;
  std::int32_t stones_placed;
  std::int32_t explosion_count;
  FloatingText floating_text[kFloatingTextCount + 1];

  // --- winners and name entry ---
  FixedText<32> winner_name[kGameTypes + 1][kPlaces + 1];
  std::int32_t winner_score[kGameTypes + 1][kPlaces + 1];
  NameEntry entry;
  GameFiles files;
};

// Sets every field to its value before FormCreate.
void ResetGame(Game& g);

}  // namespace klumpix
