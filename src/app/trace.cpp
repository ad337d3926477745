#include "app/trace.h"

#include "app/json_text.h"
#include "shell/game.h"
#include "shell/sound.h"

namespace klumpix {

void AppendTraceLine(std::string& out, const Game& g, std::int32_t tick) {
  auto field = [&out](const char* name, long long value) {
    out += ", \"";
    out += name;
    out += "\": " + std::to_string(value);
  };
  auto flag = [&out](const char* name, bool value) {
    out += ", \"";
    out += name;
    out += value ? "\": true" : "\": false";
  };
  out += "{\"tick\": " + std::to_string(tick);
  field("screen_mode", g.screen_mode);
  field("game_type", g.game_type);
  flag("game_running", g.game_running);
  flag("game_over", g.game_over);
  field("score", g.score);
  field("stones_placed", g.stones_placed);
  field("explosion_count", g.explosion_count);
  field("active_row", g.stone_store.active_row);
  field("countdown_start", g.stone_store.countdown_start);
  out += ", \"carried\": [" + std::to_string(g.stone_store.carried[1]) + ", " +
         std::to_string(g.stone_store.carried[2]) + ", " +
         std::to_string(g.stone_store.carried[3]) + "], \"sounds\": [";
  for (int i = 0; i < g.sounds.started_sound_count && i < kSoundCount; ++i) {
    if (i > 0) out += ", ";
    AppendJsonText(out, SoundName(static_cast<SoundId>(g.sounds.started_sounds[i].sound)));
  }
  out += "]}\n";
}

}  // namespace klumpix
