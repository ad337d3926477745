#include "app/settings.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include "app/line_words.h"
#include "app/locale_language.h"
#include "app/options.h"
#include "core/file_io.h"
#include "tick/tick.h"

namespace klumpix {

namespace {

// What the SOUND and LICHT buttons can reach, in their steps of 100.
bool ReachableLevel(std::uint64_t v, std::uint64_t low, std::uint64_t high) {
  return v >= low && v <= high && v % 100 == 0;
}

bool ParseVolume(const std::string& text, std::int32_t& value) {
  std::uint64_t v = 0;
  if (!ParseDecimal(text, 50000, v) || !ReachableLevel(v, 10000, 50000)) return false;
  value = static_cast<std::int32_t>(v);
  return true;
}

bool ParseLight(const std::string& text, std::int32_t& value) {
  std::uint64_t v = 0;
  if (!ParseDecimal(text, 50000, v) || !ReachableLevel(v, 15000, 50000)) return false;
  value = static_cast<std::int32_t>(v);
  return true;
}

bool ParseType(const std::string& text, std::int32_t& value) {
  std::uint64_t v = 0;
  if (!ParseDecimal(text, kGameTypes, v) || v < 1) return false;
  value = static_cast<std::int32_t>(v);
  return true;
}

bool ParseOnOff(const std::string& text, bool& value) {
  if (text != "on" && text != "off") return false;
  value = text == "on";
  return true;
}

bool ParseWindowSide(const std::string& text, int& value) {
  std::uint64_t v = 0;
  if (!ParseDecimal(text, 16384, v) || v < 100) return false;
  value = static_cast<int>(v);
  return true;
}

// One `key value` line onto `s`; anything it does not understand changes nothing.
void ApplySettingsLine(const std::vector<std::string>& w, Settings& s) {
  if (w.size() == 2) {
    const std::string& key = w[0];
    if (key == "sound") ParseOnOff(w[1], s.start.sound_on);
    if (key == "volume") ParseVolume(w[1], s.start.sound_volume);
    if (key == "light") ParseLight(w[1], s.start.light_level);
    if (key == "type") ParseType(w[1], s.start.game_type);
    if (key == "fullscreen") ParseOnOff(w[1], s.full_screen);
    if (key == "world" && (w[1].starts_with("http://") || w[1].starts_with("https://"))) {
      s.world = w[1];
    }
    Language language = Language::kGerman;
    if (key == "language" && ParseLanguageCode(w[1], language)) {
      s.language = language;
      s.start.language = language;
    }
  }
  int width = 0, height = 0;
  if (w.size() == 3 && w[0] == "window" && ParseWindowSide(w[1], width) &&
      ParseWindowSide(w[2], height)) {
    s.window_width = width;
    s.window_height = height;
  }
}

}  // namespace

Settings ParseSettings(std::string_view text) {
  Settings s;
  LineWords lines(text);
  std::vector<std::string> words;
  while (lines.Next(words)) ApplySettingsLine(words, s);
  return s;
}

std::string FormatSettings(const Settings& s) {
  std::string out = "# klumpix settings: delete this file to start from the game's own values\n";
  out += std::string("sound ") + (s.start.sound_on ? "on" : "off") + "\n";
  out += "volume " + std::to_string(s.start.sound_volume) + "\n";
  out += "light " + std::to_string(s.start.light_level) + "\n";
  out += "type " + std::to_string(s.start.game_type) + "\n";
  out += std::string("fullscreen ") + (s.full_screen ? "on" : "off") + "\n";
  out += "window " + std::to_string(s.window_width) + " " + std::to_string(s.window_height) + "\n";
  if (s.language) out += std::string("language ") + LanguageCode(*s.language) + "\n";
  if (!s.world.empty()) out += "world " + s.world + "\n";
  return out;
}

Settings CurrentSettings(const Game& g, const Settings& base) {
  Settings s = base;
  // Before the start-up tick the game holds no settings of its own yet.
  if (g.tick_count <= kStartUpTick) return s;
  s.start = {g.settings.sound_on, g.settings.sound_volume, g.settings.light_level, g.game_type,
             g.start_values.language};
  return s;
}

bool ParseStartWords(const std::vector<std::string>& w, StartValues& values) {
  StartValues v = kDefaultStartValues;
  const bool language_ok = w.size() == 9 || (w.size() == 11 && w[9] == "language" &&
                                             ParseLanguageCode(w[10], v.language));
  const bool ok = language_ok && w[0] == "start" && w[1] == "sound" &&
                  ParseOnOff(w[2], v.sound_on) && w[3] == "volume" &&
                  ParseVolume(w[4], v.sound_volume) && w[5] == "light" &&
                  ParseLight(w[6], v.light_level) && w[7] == "type" && ParseType(w[8], v.game_type);
  if (ok) values = v;
  return ok;
}

std::string FormatStartLine(const StartValues& v) {
  return std::string("start sound ") + (v.sound_on ? "on" : "off") + " volume " +
         std::to_string(v.sound_volume) + " light " + std::to_string(v.light_level) + " type " +
         std::to_string(v.game_type) + " language " + LanguageCode(v.language);
}

std::string SettingsPath() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && config[0] == '/') return std::string(config) + "/klumpix/settings";
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') return std::string(home) + "/.config/klumpix/settings";
  return "";
}

Settings LoadSettings(const std::string& path) {
  // A settings file is a few lines; anything that is not a regular file of
  // modest size is not ours and reads as missing.
  constexpr std::size_t kSettingsFileLimit = 65536;
  std::string text, error;
  Settings s;
  if (!path.empty() && ReadRegularFile(path.c_str(), kSettingsFileLimit, text, error)) {
    s = ParseSettings(text);
  }
  if (!s.language) {
    s.start.language =
        LocaleLanguage(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
  }
  return s;
}

bool SaveSettings(const std::string& path, const Settings& settings, std::string& error) {
  if (path.empty()) {
    error = "no place for the settings (neither XDG_CONFIG_HOME nor HOME is set)";
    return false;
  }
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
  const std::string text = FormatSettings(settings);
  if (WriteFileAtomically(path.c_str(), text.data(), text.size())) return true;
  error = path + ": cannot write: " + std::strerror(errno);
  return false;
}

std::string InfoPlace(const std::string& path, std::size_t width) {
  std::string shown = path;
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') {
    const std::string h(home);
    if (shown.compare(0, h.size(), h) == 0 &&
        (shown.size() == h.size() || shown[h.size()] == '/')) {
      std::string tilde = "~";
      tilde.append(shown, h.size());
      shown = std::move(tilde);
    }
  }
  for (char& c : shown) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (shown.size() > width) {
    std::string cut = "..";
    cut.append(shown, shown.size() - (width - 2));
    shown = std::move(cut);
  }
  return shown;
}

}  // namespace klumpix
