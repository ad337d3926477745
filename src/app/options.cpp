#include "app/options.h"

#include <limits>

namespace klumpix {

const char* UsageText() {
  return "usage: klumpix [options]\n"
         "  --window           play in a resizable window instead of full screen\n"
         "  --seed N           seed the random generator with N instead of the clock\n"
         "  --record FILE      write this run's input events as an input script\n"
         "  --input FILE       feed the input events of a script\n"
         "  --headless         no window, no audio: run ticks as fast as possible\n"
         "  --ticks N          headless: run N ticks (default: up to the script's last\n"
         "                     event, at least through the start-up tick)\n"
         "  --state FILE       headless: write the state dump after the last tick\n"
         "  --trace FILE       headless: write one JSON line per tick\n"
         "  --screenshot FILE  headless: write the last picture as a 24-bit BMP\n"
         "  --check            headless: check the play state after every tick\n"
         "  --language de|en   speak German or English (default: the settings file's\n"
         "                     language line, else the locale; headless: German)\n"
         "  --help, --version\n"
         "\n"
         "keys: F11 or Alt+Enter switch between full screen and a window; Esc leaves\n"
         "full screen; Ctrl + left click turns the sound on or off.\n"
         "\n"
         "The sound, light, game type and window are kept in\n"
         "$XDG_CONFIG_HOME/klumpix/settings (default ~/.config/klumpix/settings);\n"
         "delete that file to start from the game's own values. Runs with --headless\n"
         "neither read nor write it.\n";
}

const char* VersionText() { return "klumpix " KLUMPIX_VERSION "\n"; }

bool ParseDecimal(const std::string& text, std::uint64_t max, std::uint64_t& value) {
  if (text.empty() || text.size() > 20) return false;
  std::uint64_t v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    std::uint64_t digit = static_cast<std::uint64_t>(c - '0');
    if (digit > max || v > (max - digit) / 10) return false;
    v = v * 10 + digit;
  }
  value = v;
  return true;
}

namespace {

// Options that only make sense without a window.
bool NeedsHeadless(const Options& o, std::string& error) {
  const char* name = nullptr;
  if (o.has_ticks) name = "--ticks";
  if (!o.state_path.empty()) name = "--state";
  if (!o.trace_path.empty()) name = "--trace";
  if (!o.screenshot_path.empty()) name = "--screenshot";
  if (o.check) name = "--check";
  if (name == nullptr || o.headless) return true;
  error = std::string(name) + " needs --headless";
  return false;
}

}  // namespace

bool ParseOptions(int argc, const char* const* argv, Options& options, std::string& error) {
  options = Options{};
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--window") { options.window = true; continue; }
    if (arg == "--headless") { options.headless = true; continue; }
    if (arg == "--check") { options.check = true; continue; }
    if (arg == "--help") { options.help = true; continue; }
    if (arg == "--version") { options.version = true; continue; }

    std::string* path = nullptr;
    if (arg == "--record") path = &options.record_path;
    if (arg == "--input") path = &options.input_path;
    if (arg == "--state") path = &options.state_path;
    if (arg == "--trace") path = &options.trace_path;
    if (arg == "--screenshot") path = &options.screenshot_path;
    const bool numeric = arg == "--seed" || arg == "--ticks";
    if (path == nullptr && !numeric && arg != "--language") {
      error = "unknown option '" + arg + "' (try --help)";
      return false;
    }
    if (i + 1 >= argc) {
      error = arg + " needs a value";
      return false;
    }
    const std::string value = argv[++i];
    if (path != nullptr) {
      if (value.empty()) {
        error = arg + " needs a file name";
        return false;
      }
      *path = value;
      continue;
    }
    if (arg == "--language") {
      if (!ParseLanguageCode(value, options.language)) {
        error = "--language needs de or en, not '" + value + "'";
        return false;
      }
      options.has_language = true;
      continue;
    }
    std::uint64_t n = 0;
    if (arg == "--seed") {
      if (!ParseDecimal(value, std::numeric_limits<std::uint64_t>::max(), n)) {
        error = "--seed needs a whole number from 0 to 18446744073709551615, not '" + value + "'";
        return false;
      }
      options.has_seed = true;
      options.seed = n;
    } else {
      if (!ParseDecimal(value, std::numeric_limits<std::int32_t>::max(), n)) {
        error = "--ticks needs a whole number from 0 to 2147483647, not '" + value + "'";
        return false;
      }
      options.has_ticks = true;
      options.ticks = static_cast<std::int32_t>(n);
    }
  }
  if (options.help || options.version) return true;
  return NeedsHeadless(options, error);
}

}  // namespace klumpix
