#pragma once
// The player's settings: what the buttons last left set, kept between runs in
// a small text file of `key value` lines, and the same values as an input
// script's `start` line.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/surface.h"
#include "shell/game.h"

namespace klumpix {

struct Settings {
  StartValues start = kDefaultStartValues;
  // The file's `language` line, kept as it was: without one the locale
  // decides at every start.
  std::optional<Language> language;
  bool full_screen = true;
  int window_width = kScreenWidth;
  int window_height = kScreenHeight;
  // The file's `world URL` line: the world winners table a confirmed name
  // entry sends its game to (http:// or https://); empty for none.
  std::string world;

  bool operator==(const Settings&) const = default;
};

// Reads settings text key by key: a missing, unknown, malformed or
// unreachable value leaves that key at its start value. Never fails.
Settings ParseSettings(std::string_view text);
std::string FormatSettings(const Settings& settings);

// The settings the game holds now (the window's part left as in `base`);
// `base` itself until the start-up tick has given the game its settings.
Settings CurrentSettings(const Game& g, const Settings& base);

// The `start` line of an input script, "start sound on volume V light L type T"
// with an optional "language de|en" at its end (German without it), split
// into words; false when a word or value is wrong.
bool ParseStartWords(const std::vector<std::string>& words, StartValues& values);
std::string FormatStartLine(const StartValues& values);

// $XDG_CONFIG_HOME/klumpix/settings, else ~/.config/klumpix/settings;
// empty when neither can be made out.
std::string SettingsPath();
// The settings at `path`; start values where it is missing or unreadable.
// The language is the file's, else the one the locale asks for.
Settings LoadSettings(const std::string& path);
// Writes as WriteFileAtomically does (a link stays a link), making the
// folder if needed; false with a one-line reason otherwise.
bool SaveSettings(const std::string& path, const Settings& settings, std::string& error);

// `path` as the info page shows it: home shortened to ~, in capitals, and cut
// from the left to fit `width` characters.
std::string InfoPlace(const std::string& path, std::size_t width);

}  // namespace klumpix
