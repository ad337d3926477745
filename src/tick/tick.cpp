#include "tick/tick.h"

#include "board/board.h"
#include "play/play_screen.h"
#include "screens/help_info.h"
#include "screens/menu_bar.h"
#include "screens/name_entry.h"
#include "screens/winners.h"
#include "shell/frame.h"
#include "shell/game.h"
#include "shell/mouse.h"
#include "shell/sound.h"
#include "shell/winners_storage.h"
#include "text/text_layer.h"
#include "tick/object_update.h"
#include "world/floor.h"
#include "world/objects.h"
#include "world/renderer.h"

namespace klumpix {

void FormCreate(Game& g) {
  g.tick_count = 0;
  g.timer_enabled = true;
}

void InitProgramState(Game& g, WinnersStorage& winners) {
  g.settings.sound_on = g.start_values.sound_on;
  g.settings.sound_volume = g.start_values.sound_volume;
  g.settings.light_level = g.start_values.light_level;
  g.quit_requested = false;
  g.mouse.mouse_x = 400;
  g.mouse.mouse_y = 300;
  g.rng.Seed(g.seed, 0);
  ClearAllSlots(g);
  g.dynamic_slot_floor = 0;
  for (int i = 1; i <= kFloatingTextCount; ++i) g.floating_text[i].timer = 0;
  g.confirm_open = false;
  g.game_type = g.start_values.game_type;
  ReadWinners(g, winners);
}

void RunScreen(Game& g) {
  // Four tests, not a choice: a switch to a higher mode runs that screen too.
  if (g.screen_mode == kModePlay) PlayScreenTick(g);
  if (g.screen_mode == kModeHelp) RunHelpScreen(g);
  if (g.screen_mode == kModeInfo) RunInfoScreen(g);
  if (g.screen_mode == kModeNameEntry) RunNameEntry(g);
}

void FollowMouse(Game& g) {
  ObjectTable& o = g.obj;
  if (g.stone_store.carried[1] > 0) {
    for (int k = 1; k <= 3; ++k) {
      o.x[g.stone_store.carried[k]] = static_cast<std::int16_t>(g.mouse.mouse_x);
      o.y[g.stone_store.carried[k]] = static_cast<std::int16_t>(g.mouse.mouse_y - 26 * (3 - k));
    }
  }
  if (!g.game_running || g.game_over) return;
  for (int s = 1; s <= kSlotCount; ++s) {
    if (!IsStoreField(g, s)) continue;
    o.variant[s] = kFieldPlain;
    if (o.x[s] - o.half_width[s] < g.mouse.mouse_x && g.mouse.mouse_x < o.x[s] + o.half_width[s] &&
        90 < g.mouse.mouse_y && g.mouse.mouse_y < 170) {
      o.variant[s] = kFieldLit;
    }
  }
}

void RunGameStep(Game& g, WinnersStorage& winners) {
  g.free_slot_cursor = kSlotCount;
  g.lights.light_count = 0;
  ClearTextLayer(g);
  RunScreen(g);
  RunMenuBar(g);
  if (g.screen_mode == kModePlay) FollowMouse(g);
  UpdateObjects(g, winners);
  g.mouse.clicked = false;
  SettlePresses(g);
  UpdateShake(g);
}

void DXTimer1Timer(Game& g, WinnersStorage& winners) {
  g.sounds.started_sound_count = 0;
  if (g.tick_count == kStartUpTick) {
    g.timer_enabled = false;
    g.view_width = kScreenWidth;
    g.view_height = kScreenHeight;
    InitProgramState(g, winners);
    BuildBoard(g);
    g.timer_enabled = true;
  }
  if (g.tick_count >= kStartUpTick) {
    RunGameStep(g, winners);
    if (g.settings.sound_on) StartSounds(g);
    ClearSoundRequests(g);
    if (g.quit_requested) g.timer_enabled = false;
  }
  g.tick_count += 1;
}

void DrawTick(const Game& g, const PictureSet& pictures, Frame& frame) {
  frame.drawing.Begin();
  if (g.tick_count <= kStartUpTick) {
    frame.drawing.Fill(kWholeScreen, 0, kByFill);
  } else {
    DrawFloor(g, pictures, frame);
    DrawScene(g, pictures, frame);
  }
  frame.drawing.Paint(frame.screen);
}

void PlayTickSounds(const Game& g, SoundSink& sink) {
  if (g.tick_count <= kStartUpTick || !g.settings.sound_on) return;
  PlaySounds(g, sink);
}

}  // namespace klumpix
