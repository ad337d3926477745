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

// A word as an error message quotes it: a byte that would not show, or would
// show as something else (a control character, anything beyond ASCII such as
// an editor's invisible mark), as \xHH.
std::string Shown(const std::string& word) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string shown;
  for (const char c : word) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F) {
      shown += c;
    } else {
      shown += "\\x";
      shown += kHex[byte >> 4];
      shown += kHex[byte & 0xF];
    }
  }
  return shown;
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

// Reads the words of one event line into `event`; on failure `message` says why.
bool ParseEventWords(const std::vector<std::string>& words, InputEvent& event,
                     std::string& message) {
  std::uint64_t tick = 0;
  if (!ParseDecimal(words[0], std::numeric_limits<std::uint64_t>::max(), tick)) {
    message = "expected a tick number, 'seed' or 'start', not '" + Shown(words[0]) + "'";
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

std::string FormatInputScript(std::uint64_t seed, const StartValues& start,
                              const std::vector<InputEvent>& events) {
  std::string out = "seed " + std::to_string(seed) + "\n" + FormatStartLine(start) + "\n";
  for (const InputEvent& e : events) {
    out += std::to_string(e.tick);
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
    out += "\n";
  }
  return out;
}

}  // namespace klumpix
