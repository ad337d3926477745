// Feeds arbitrary text to the game as its settings file: every value read
// must be one the buttons can reach, and the settings must write back to a
// file that reads the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/settings.h"

namespace {

bool Reachable(const klumpix::Settings& s) {
  const klumpix::StartValues& v = s.start;
  return v.sound_volume >= 10000 && v.sound_volume <= 50000 && v.sound_volume % 100 == 0 &&
         v.light_level >= 15000 && v.light_level <= 50000 && v.light_level % 100 == 0 &&
         v.game_type >= 1 && v.game_type <= klumpix::kGameTypes && s.window_width >= 100 &&
         s.window_width <= 16384 && s.window_height >= 100 && s.window_height <= 16384;
}

bool Same(const klumpix::Settings& a, const klumpix::Settings& b) {
  return a.start.sound_on == b.start.sound_on && a.start.sound_volume == b.start.sound_volume &&
         a.start.light_level == b.start.light_level && a.start.game_type == b.start.game_type &&
         a.full_screen == b.full_screen && a.window_width == b.window_width &&
         a.window_height == b.window_height && a.language == b.language &&
         a.start.language == b.start.language;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const klumpix::Settings read = klumpix::ParseSettings(text);
  if (!Reachable(read)) std::abort();
  const klumpix::Settings again = klumpix::ParseSettings(klumpix::FormatSettings(read));
  if (!Same(read, again)) std::abort();
  return 0;
}
