#include "app/input_script.h"

#include <limits>

#include "app/line_words.h"
#include "app/options.h"
#include "app/settings.h"
#include "core/file_io.h"

namespace klumpix {

namespace {

// --ticks runs at most 2147483647 ticks, numbered from 0.
constexpr std::int32_t kLastReachableTick = std::numeric_limits<std::int32_t>::max() - 1;

// Scripts are a few lines a tick; a larger file is not a script.
constexpr std::size_t kScriptFileLimit = 256u << 20;

// `text` with every byte that `keep` refuses written as \xHH.
template <typename Keep>
std::string Escaped(const std::string& text, Keep keep) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (keep(byte)) {
      out += c;
    } else {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    }
  }
  return out;
}

// A word as an error message quotes it: a byte that would not show, or would
// show as something else (a control character, anything beyond ASCII such as
// an editor's invisible mark), as \xHH.
std::string Shown(const std::string& word) {
  return Escaped(word, [](unsigned char byte) { return byte >= 0x20 && byte < 0x7F; });
}

// A coordinate may lie off the picture (a pointer outside the window) but
// must fit the game's 16-bit positions.
bool ParseCoordinate(const std::string& text, std::int32_t& value) {
  constexpr std::int64_t kLimit = 32767;
  bool negative = !text.empty() && text[0] == '-';
  std::uint64_t magnitude = 0;
  if (!ParseDecimal(negative ? text.substr(1) : text, kLimit + (negative ? 1 : 0), magnitude)) {
    return false;
  }
  value = static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(magnitude)
                                             : static_cast<std::int64_t>(magnitude));
  return true;
}

bool ParseButton(const std::string& text, MouseButton& button) {
  if (text == "left")
    button = MouseButton::kLeft;
  else if (text == "right")
    button = MouseButton::kRight;
  else if (text == "middle")
    button = MouseButton::kMiddle;
  else
    return false;
  return true;
}

const char* ButtonName(MouseButton button) {
  switch (button) {
    case MouseButton::kLeft:
      return "left";
    case MouseButton::kRight:
      return "right";
    case MouseButton::kMiddle:
      return "middle";
  }
  return "left";
}

// A name as a `winner` line writes it: letters, digits, '-' and '.' as they
// are, every other byte as \xHH, so that it stays one word.
std::string NameWord(const std::string& name) {
  return Escaped(name, [](unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.';
  });
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Reads a name word back; false for a broken \xHH.
bool ParseNameWord(const std::string& word, std::string& name) {
  name.clear();
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (word[i] != '\\') {
      name += word[i];
      continue;
    }
    if (i + 3 >= word.size()) return false;
    if (word[i + 1] != 'x' || HexDigit(word[i + 2]) < 0 || HexDigit(word[i + 3]) < 0) return false;
    name += static_cast<char>(HexDigit(word[i + 2]) * 16 + HexDigit(word[i + 3]));
    i += 3;
  }
  return true;
}

// "winner T P SCORE [NAME]": one place of the table the game starts with.
bool ParseWinnerWords(const std::vector<std::string>& w, WinnerEntry& entry) {
  std::uint64_t type = 0, place = 0, score = 0;
  if (w.size() != 4 && w.size() != 5) return false;
  if (!ParseDecimal(w[1], kGameTypes, type) || type < 1) return false;
  if (!ParseDecimal(w[2], kPlaces, place) || place < 1) return false;
  if (!ParseDecimal(w[3], 9999999, score)) return false;
  std::string name;
  if (w.size() == 5 && (!ParseNameWord(w[4], name) || name.empty() || name.size() > 8)) {
    return false;
  }
  entry = {static_cast<std::int32_t>(type), static_cast<std::int32_t>(place),
           static_cast<std::int32_t>(score), name};
  return true;
}

// Reads the words of one event line into `event`; on failure `message` says why.
bool ParseEventWords(const std::vector<std::string>& words, InputEvent& event,
                     std::string& message) {
  std::uint64_t tick = 0;
  if (!ParseDecimal(words[0], std::numeric_limits<std::uint64_t>::max(), tick)) {
    message = "expected a tick number, 'seed', 'version', 'start', 'winner' or 'from', not '" +
              Shown(words[0]) + "'";
    return false;
  }
  if (tick > kLastReachableTick) {
    message = "tick " + words[0] + " is beyond the last tick a run reaches (" +
              std::to_string(kLastReachableTick) + ")";
    return false;
  }
  event = InputEvent{};
  event.tick = static_cast<std::int32_t>(tick);
  if (words.size() < 2) {
    message = "expected move, down, up or click after the tick";
    return false;
  }
  const std::string& verb = words[1];
  if (verb == "move") {
    event.kind = InputKind::kMove;
    if (words.size() != 4 || !ParseCoordinate(words[2], event.x) ||
        !ParseCoordinate(words[3], event.y)) {
      message = "expected 'TICK move X Y' with X and Y from -32768 to 32767";
      return false;
    }
    return true;
  }
  if (verb == "down" || verb == "up") {
    event.kind = verb == "down" ? InputKind::kDown : InputKind::kUp;
    bool shape_ok = words.size() == 3 || (words.size() == 4 && words[3] == "ctrl");
    if (!shape_ok || !ParseButton(words[2], event.button)) {
      message = "expected 'TICK " + verb + " left|right|middle [ctrl]'";
      return false;
    }
    event.ctrl = words.size() == 4;
    return true;
  }
  if (verb == "click") {
    event.kind = InputKind::kClick;
    if (words.size() != 2) {
      message = "expected nothing after 'click'";
      return false;
    }
    return true;
  }
  message = "unknown event '" + Shown(verb) + "' (move, down, up or click)";
  return false;
}

}  // namespace

bool ParseInputScript(std::string_view text, const std::string& file_name, InputScript& script,
                      std::string& error) {
  script = InputScript{};
  // Editors on Windows start a UTF-8 file with a byte-order mark.
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    text.remove_prefix(kByteOrderMark.size());
  }
  LineWords lines(text);
  std::vector<std::string> words;
  while (lines.Next(words)) {
    if (words.empty()) continue;

    std::string message;
    if (words[0] == "seed") {
      if (!script.events.empty()) {
        message = "the seed line must come before the first event";
      } else if (script.has_seed) {
        message = "a second seed line";
      } else if (words.size() != 2 ||
                 !ParseDecimal(words[1], std::numeric_limits<std::uint64_t>::max(), script.seed)) {
        message = "expected 'seed N' with N a whole number from 0 to 18446744073709551615";
      } else {
        script.has_seed = true;
        continue;
      }
    } else if (words[0] == "version") {
      if (!script.events.empty()) {
        message = "the version line must come before the first event";
      } else if (!script.version.empty()) {
        message = "a second version line";
      } else if (words.size() != 2) {
        message = "expected 'version V'";
      } else {
        script.version = words[1];
        continue;
      }
    } else if (words[0] == "from") {
      std::uint64_t tick = 0;
      if (!script.events.empty()) {
        message = "the from line must come before the first event";
      } else if (script.from_tick > 0) {
        message = "a second from line";
      } else if (words.size() != 2 || !ParseDecimal(words[1], kLastReachableTick, tick) ||
                 tick == 0) {
        message =
            "expected 'from TICK' with TICK a tick from 1 to " + std::to_string(kLastReachableTick);
      } else {
        script.from_tick = static_cast<std::int32_t>(tick);
        continue;
      }
    } else if (words[0] == "winner") {
      WinnerEntry entry;
      if (!script.events.empty()) {
        message = "the winner lines must come before the first event";
      } else if (!ParseWinnerWords(words, entry)) {
        message =
            "expected 'winner T P SCORE [NAME]' with T 1..8, P 1..5, SCORE 0..9999999 and a "
            "name of at most eight bytes (\\xHH for a byte that is not a letter, digit, - or .)";
      } else {
        bool twice = false;
        for (const WinnerEntry& e : script.winners)
          twice = twice || (e.type == entry.type && e.place == entry.place);
        if (twice) {
          message = "a second winner line for game type " + std::to_string(entry.type) + " place " +
                    std::to_string(entry.place);
        } else {
          script.winners.push_back(entry);
          script.has_winners = true;
          continue;
        }
      }
    } else if (words[0] == "start") {
      if (!script.events.empty()) {
        message = "the start line must come before the first event";
      } else if (script.has_start) {
        message = "a second start line";
      } else if (!ParseStartWords(words, script.start)) {
        message =
            "expected 'start sound on|off volume V light L type T [language de|en]' with "
            "V 10000..50000 and L 15000..50000 in steps of 100, T 1..8";
      } else {
        script.has_start = true;
        continue;
      }
    } else {
      InputEvent event;
      if (ParseEventWords(words, event, message)) {
        if (!script.events.empty() && event.tick < script.events.back().tick) {
          message = "tick " + std::to_string(event.tick) + " comes after tick " +
                    std::to_string(script.events.back().tick) + "; stamps never decrease";
        } else {
          script.events.push_back(event);
          continue;
        }
      }
    }
    error = file_name + ":" + std::to_string(lines.line_number()) + ": " + message;
    return false;
  }
  return true;
}

bool LoadInputScript(const std::string& path, InputScript& script, std::string& error) {
  std::string text;
  if (!ReadRegularFile(path.c_str(), kScriptFileLimit, text, error)) return false;
  return ParseInputScript(text, path, script, error);
}

std::string FormatEventLine(const InputEvent& e) {
  std::string out = std::to_string(e.tick);
  switch (e.kind) {
    case InputKind::kMove:
      out += " move " + std::to_string(e.x) + " " + std::to_string(e.y);
      break;
    case InputKind::kDown:
    case InputKind::kUp:
      out += e.kind == InputKind::kDown ? " down " : " up ";
      out += ButtonName(e.button);
      if (e.ctrl) out += " ctrl";
      break;
    case InputKind::kClick:
      out += " click";
      break;
  }
  return out + "\n";
}

std::string FormatInputScript(std::uint64_t seed, const StartValues& start,
                              const std::vector<InputEvent>& events,
                              const std::vector<WinnerEntry>& winners, std::int32_t from_tick) {
  std::string out = "seed " + std::to_string(seed) + "\nversion " KLUMPIX_VERSION "\n" +
                    FormatStartLine(start) + "\n";
  for (const WinnerEntry& w : winners) {
    out += "winner ";
    out += std::to_string(w.type);
    out += ' ';
    out += std::to_string(w.place);
    out += ' ';
    out += std::to_string(w.score);
    if (!w.name.empty()) {
      out += ' ';
      out += NameWord(w.name);
    }
    out += '\n';
  }
  if (from_tick > 0) out += "from " + std::to_string(from_tick) + "\n";
  for (const InputEvent& e : events) out += FormatEventLine(e);
  return out;
}

}  // namespace klumpix
