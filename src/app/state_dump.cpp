#include "app/state_dump.h"

#include <cstdint>

#include "app/json_text.h"
#include "shell/game.h"
#include "shell/sound.h"
#include "tick/tick.h"
#include "world/floor.h"

namespace klumpix {

namespace {

// Writes the top-level object one key per line, so dumps diff well.
class DumpWriter {
 public:
  void Key(const char* name) {
    out_ += first_ ? "{\n  \"" : ",\n  \"";
    first_ = false;
    out_ += name;
    out_ += "\": ";
  }
  void Int(const char* name, long long value) {
    Key(name);
    Number(value);
  }
  void Bool(const char* name, bool value) {
    Key(name);
    out_ += value ? "true" : "false";
  }
  void Number(long long value) { out_ += std::to_string(value); }
  // A table indexed from 1: elements 1..count.
  template <typename T>
  void Row(const T* table, int count) {
    out_ += '[';
    for (int i = 1; i <= count; ++i) {
      if (i > 1) out_ += ", ";
      Number(table[i]);
    }
    out_ += ']';
  }
  template <typename T>
  void IntArray(const char* name, const T* table, int count) {
    Key(name);
    Row(table, count);
  }
  void BoolArray(const char* name, const bool* table, int count) {
    Key(name);
    out_ += '[';
    for (int i = 1; i <= count; ++i) {
      if (i > 1) out_ += ", ";
      out_ += table[i] ? "true" : "false";
    }
    out_ += ']';
  }
  std::string& Out() { return out_; }
  std::string Finish() {
    out_ += "\n}\n";
    return std::move(out_);
  }

 private:
  std::string out_;
  bool first_ = true;
};

void WriteObjects(DumpWriter& w, const Game& g) {
  const ObjectTable& o = g.obj;
  w.Key("objects");
  std::string& out = w.Out();
  out += '[';
  bool first = true;
  for (int s = 1; s <= kSlotCount; ++s) {
    if (o.alive[s] <= 0) continue;
    out += first ? "\n    {" : ",\n    {";
    first = false;
    const struct {
      const char* name;
      long long value;
    } fields[] = {
        {"slot", s},
        {"kind", o.kind[s]},
        {"image", o.image[s]},
        {"variant", o.variant[s]},
        {"frame", o.frame[s]},
        {"x", o.x[s]},
        {"y", o.y[s]},
        {"depth", o.depth[s]},
        {"tag", o.tag[s]},
        {"cell_stone", o.cell_stone[s]},
        {"rest_colour", o.rest_colour[s]},
        {"match_mark", o.match_mark[s]},
    };
    for (const auto& f : fields) {
      out += '"';
      out += f.name;
      out += "\": ";
      w.Number(f.value);
      out += ", ";
    }
    out += "\"neighbor\": ";
    w.Row(o.neighbor[s], 6);
    out += '}';
  }
  out += first ? "]" : "\n  ]";
}

void WriteFloatingTexts(DumpWriter& w, const Game& g) {
  w.Key("floating_text");
  std::string& out = w.Out();
  out += '[';
  bool first = true;
  for (int i = 1; i <= kFloatingTextCount; ++i) {
    const FloatingText& f = g.floating_text[i];
    if (f.timer <= 0) continue;
    out += first ? "" : ", ";
    first = false;
    out += "{\"x\": " + std::to_string(f.x) + ", \"y\": " + std::to_string(f.y) +
           ", \"font\": " + std::to_string(f.font) + ", \"timer\": " + std::to_string(f.timer) +
           ", \"text\": ";
    AppendJsonText(out, f.text.c_str());
    out += '}';
  }
  out += ']';
}

// The brightness each tile was drawn with in the last tick; zero before the
// first tick that drew the floor.
void WriteFloorBrightness(DumpWriter& w, const Game& g) {
  std::int32_t brightness[kFloorTileCount + 1] = {};
  if (g.tick_count > kStartUpTick) {
    for (int n = 1; n <= g.floor.floor_tile_count; ++n) {
      brightness[n] = TileBrightness(g, static_cast<std::int16_t>(n));
    }
  }
  w.IntArray("floor_tile_brightness", brightness, kFloorTileCount);
}

void WriteWinnersJson(DumpWriter& w, const Game& g) {
  w.Key("winner_name");
  std::string& out = w.Out();
  out += '[';
  for (int t = 1; t <= kGameTypes; ++t) {
    out += t > 1 ? ", [" : "[";
    for (int p = 1; p <= kPlaces; ++p) {
      if (p > 1) out += ", ";
      AppendJsonText(out, g.winner_name[t][p].c_str());
    }
    out += ']';
  }
  out += ']';
  w.Key("winner_score");
  out += '[';
  for (int t = 1; t <= kGameTypes; ++t) {
    if (t > 1) out += ", ";
    w.Row(g.winner_score[t], kPlaces);
  }
  out += ']';
}

void WriteLastTick(DumpWriter& w, const Game& g) {
  std::string& out = w.Out();
  w.Key("lights");
  out += '[';
  for (int i = 1; i <= g.lights.light_count && i <= kMaxLights; ++i) {
    if (i > 1) out += ", ";
    out += '[';
    out += std::to_string(g.lights.light_x[i]);
    out += ", ";
    out += std::to_string(g.lights.light_y[i]);
    out += ", ";
    AppendJsonReal(out, g.lights.light_strength[i]);
    out += ']';
  }
  out += ']';

  w.Key("texts");
  out += '[';
  for (int i = 0; i < g.text.text_call_count && i < kMaxTextCalls; ++i) {
    const TextCall& t = g.text.text_calls[i];
    out += i > 0 ? ",\n    [" : "\n    [";
    out += std::to_string(t.x) + ", " + std::to_string(t.y) + ", " + std::to_string(t.font) + ", " +
           std::to_string(t.alpha) + ", ";
    AppendJsonText(out, t.text.c_str());
    out += ']';
  }
  out += g.text.text_call_count > 0 ? "\n  ]" : "]";

  w.Key("sounds");
  out += '[';
  for (int i = 0; i < g.sounds.started_sound_count && i < kSoundCount; ++i) {
    const StartedSound& s = g.sounds.started_sounds[i];
    if (i > 0) out += ", ";
    out += "{\"name\": ";
    AppendJsonText(out, SoundName(static_cast<SoundId>(s.sound)));
    out +=
        ", \"pan\": " + std::to_string(s.pan) + ", \"volume\": " + std::to_string(s.volume) + "}";
  }
  out += ']';
}

}  // namespace

std::string StateDumpJson(const Game& g) {
  DumpWriter w;
  w.Int("tick_count", g.tick_count);
  w.Int("screen_mode", g.screen_mode);
  w.Int("game_type", g.game_type);
  w.Bool("game_running", g.game_running);
  w.Bool("game_over", g.game_over);
  w.Bool("confirm_open", g.confirm_open);
  w.Bool("quit_requested", g.quit_requested);
  w.Bool("sound_on", g.settings.sound_on);
  w.Int("sound_volume", g.settings.sound_volume);
  w.Int("light_level", g.settings.light_level);
  w.Int("mouse_x", g.mouse.mouse_x);
  w.Int("mouse_y", g.mouse.mouse_y);
  w.Bool("left_button_down", g.mouse.left_button_down);
  w.Bool("right_button_down", g.mouse.right_button_down);
  w.Bool("clicked", g.mouse.clicked);
  w.Int("score", g.score);
  w.Int("stones_placed", g.stones_placed);
  w.Int("explosion_count", g.explosion_count);
  w.Int("active_row", g.stone_store.active_row);
  w.Int("countdown_start", g.stone_store.countdown_start);
  w.Int("countdown_start_timer", g.stone_store.countdown_start_timer);
  w.IntArray("row_countdown", g.stone_store.row_countdown, kStoreRows);
  w.Key("store");
  w.Out() += '[';
  for (int r = 1; r <= kStoreRows; ++r) {
    if (r > 1) w.Out() += ", ";
    w.Row(g.stone_store.store[r], 3);
  }
  w.Out() += ']';
  w.IntArray("carried", g.stone_store.carried, 3);
  w.BoolArray("bonus_given", g.stone_store.bonus_given, kBonusLevels);
  w.Int("slot_top", g.slot_top);
  w.Int("dynamic_slot_floor", g.dynamic_slot_floor);
  w.Int("shake", g.shake);
  WriteObjects(w, g);
  WriteFloatingTexts(w, g);
  WriteWinnersJson(w, g);
  w.Key("entry_name");
  AppendJsonText(w.Out(), g.entry.entry_name.c_str());
  w.Int("entry_name_length", g.entry.entry_name_length);
  w.Int("winner_place", g.entry.winner_place);
  w.Bool("entry_placed", g.entry.entry_placed);
  // One design serves the whole floor, so a single number says it.
  w.Int("floor_tile_design", g.floor.floor_tile_design[1]);
  WriteFloorBrightness(w, g);
  WriteLastTick(w, g);
  return w.Finish();
}

}  // namespace klumpix
