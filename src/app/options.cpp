#include "app/options.h"

#include <cstdio>
#include <limits>

#include "core/file_io.h"

namespace klumpix {

const char* UsageText() {
  return "usage: klumpix [options]\n"
         "  --window           play in a resizable window instead of full screen\n"
         "  --seed N           seed the random generator with N instead of the clock\n"
         "  --record FILE      write this run's input events as an input script, with\n"
         "                     the seed, settings and winners table it started with\n"
         "  --input FILE       feed the input events of a script; one that carries a\n"
         "                     winners table plays on it and writes no file\n"
         "  --watch FILE       watch a recording: Space pauses, Right steps, + and -\n"
         "                     change the speed, Home and End jump, a click on the bar\n"
         "                     seeks; nothing of the player's is written\n"
         "  --submit FILE --server URL\n"
         "                     send the game a recording proves (a kept best game) to\n"
         "                     the world winners table at URL\n"
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

const char* VersionText() {
  return "klumpix " KLUMPIX_VERSION "\n";
}

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

// What follows an option's name.
enum class Value { kNone, kFile, kAddress, kSeed, kTicks, kLanguage };

// One option: what it takes on the command line and on the page, and whether
// the desktop allows it only with --headless. kAbsent: not an option there.
struct OptionRow {
  const char* name;
  Value command_line;
  Value page;
  bool needs_headless;
};

constexpr Value kAbsent = static_cast<Value>(-1);

constexpr OptionRow kOptionTable[] = {
    {"--window", Value::kNone, kAbsent, false},
    {"--headless", Value::kNone, kAbsent, false},
    {"--check", Value::kNone, kAbsent, true},
    {"--help", Value::kNone, kAbsent, false},
    {"--version", Value::kNone, kAbsent, false},
    {"--seed", Value::kSeed, Value::kSeed, false},
    {"--record", Value::kFile, Value::kNone, false},
    {"--input", Value::kFile, kAbsent, false},
    {"--watch", Value::kFile, kAbsent, false},
    {"--submit", Value::kFile, kAbsent, false},
    {"--server", Value::kAddress, kAbsent, false},
    {"--ticks", Value::kTicks, Value::kTicks, true},
    {"--state", Value::kFile, kAbsent, true},
    {"--trace", Value::kFile, kAbsent, true},
    {"--screenshot", Value::kFile, kAbsent, true},
    {"--language", Value::kLanguage, Value::kLanguage, false},
};

const OptionRow* FindOption(const std::string& name) {
  for (const OptionRow& row : kOptionTable) {
    if (name == row.name) return &row;
  }
  return nullptr;
}

void SetFlag(const std::string& name, Options& o) {
  if (name == "--window") o.window = true;
  if (name == "--headless") o.headless = true;
  if (name == "--check") o.check = true;
  if (name == "--help") o.help = true;
  if (name == "--version") o.version = true;
  if (name == "--record") o.record = true;
}

std::string* FileOf(const std::string& name, Options& o) {
  if (name == "--record") return &o.record_path;
  if (name == "--input") return &o.input_path;
  if (name == "--watch") return &o.watch_path;
  if (name == "--submit") return &o.submit_path;
  if (name == "--server") return &o.server_url;
  if (name == "--state") return &o.state_path;
  if (name == "--trace") return &o.trace_path;
  return &o.screenshot_path;
}

// Reads the value of option `name` into `o`; false with the reason.
bool SetValue(const std::string& name, Value kind, const std::string& value, Options& o,
              std::string& error) {
  std::uint64_t n = 0;
  switch (kind) {
    case Value::kFile:
    case Value::kAddress:
      if (value.empty()) {
        error = name + (kind == Value::kFile ? " needs a file name" : " needs an address");
        return false;
      }
      *FileOf(name, o) = value;
      o.record = o.record || name == "--record";
      return true;
    case Value::kLanguage:
      if (!ParseLanguageCode(value, o.language)) {
        error = name + " needs de or en, not '" + value + "'";
        return false;
      }
      o.has_language = true;
      return true;
    case Value::kSeed:
      if (!ParseDecimal(value, std::numeric_limits<std::uint64_t>::max(), n)) {
        error = name + " needs a whole number from 0 to 18446744073709551615, not '" + value + "'";
        return false;
      }
      o.has_seed = true;
      o.seed = n;
      return true;
    default:
      if (!ParseDecimal(value, std::numeric_limits<std::int32_t>::max(), n)) {
        error = name + " needs a whole number from 0 to 2147483647, not '" + value + "'";
        return false;
      }
      o.has_ticks = true;
      o.ticks = static_cast<std::int32_t>(n);
      return true;
  }
}

// Options that only make sense without a window.
bool NeedsHeadless(const Options& o, const char* given, std::string& error) {
  if (given == nullptr || o.headless || o.help || o.version) return true;
  error = std::string(given) + " needs --headless";
  return false;
}

}  // namespace

int ReadCommandLine(int argc, const char* const* argv, Options& options) {
  std::string error;
  if (!ParseOptions(argc, argv, options, error)) {
    std::fprintf(stderr, "klumpix: %s\n", error.c_str());
    return 2;
  }
  if (options.help) {
    std::fputs(UsageText(), stdout);
    return 0;
  }
  if (options.version) {
    std::fputs(VersionText(), stdout);
    return 0;
  }
  return -1;
}

bool OutputsWritable(const Options& o, std::string& error) {
  for (const std::string* path :
       {&o.record_path, &o.state_path, &o.trace_path, &o.screenshot_path}) {
    if (!path->empty() && !CanWriteAt(path->c_str(), error)) return false;
  }
  return true;
}

bool ParseOptions(int argc, const char* const* argv, Options& options, std::string& error,
                  OptionSource source) {
  options = Options{};
  const bool page = source == OptionSource::kPage;
  const char* headless_only = nullptr;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const OptionRow* row = FindOption(arg);
    const Value kind = row == nullptr ? kAbsent : page ? row->page : row->command_line;
    if (kind == kAbsent) {
      error =
          page ? "unknown page option '" + arg + "'" : "unknown option '" + arg + "' (try --help)";
      return false;
    }
    if (!page && row->needs_headless) headless_only = row->name;
    if (kind == Value::kNone) {
      SetFlag(arg, options);
      continue;
    }
    if (i + 1 >= argc) {
      error = arg + " needs a value";
      return false;
    }
    if (!SetValue(arg, kind, argv[++i], options, error)) return false;
  }
  if (options.submit_path.empty() != options.server_url.empty()) {
    error = "--submit FILE and --server URL go together";
    return false;
  }
  if (!options.watch_path.empty() &&
      (options.headless || options.record || !options.input_path.empty())) {
    error = "--watch plays a recording in the window: not with --headless, --record or --input";
    return false;
  }
  return NeedsHeadless(options, headless_only, error);
}

}  // namespace klumpix
