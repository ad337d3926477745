#pragma once
// Input scripts: the four mouse handler calls of a run, each stamped with the
// tick before which it is delivered. `--input` reads them, `--record` writes them.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/run_winners.h"
#include "shell/game.h"
#include "shell/mouse.h"

namespace klumpix {

enum class InputKind { kMove, kDown, kUp, kClick };

struct InputEvent {
  std::int32_t tick = 0;  // delivered before the tick with this tick_count
  InputKind kind = InputKind::kMove;
  std::int32_t x = 0, y = 0;                // kMove
  MouseButton button = MouseButton::kLeft;  // kDown, kUp
  bool ctrl = false;                        // kDown, kUp

  bool operator==(const InputEvent&) const = default;
};

struct InputScript {
  std::string version;  // the program version that made it; empty when not said
  bool has_seed = false;
  std::uint64_t seed = 0;
  bool has_start = false;
  StartValues start = kDefaultStartValues;  // the `start` line's settings
  bool has_winners = false;
  std::vector<WinnerEntry> winners;  // the `winner` lines: the table the game started with
  std::int32_t from_tick = 0;        // the `from` line: where watching begins (a kept game)
  std::vector<InputEvent> events;    // in file order; stamps never decrease
};

// Parses script text; a UTF-8 byte-order mark before it is skipped. On a bad
// line returns false with "NAME:LINE: message" in `error`, where NAME is
// `file_name` and bytes that would not show are written \xHH.
bool ParseInputScript(std::string_view text, const std::string& file_name, InputScript& script,
                      std::string& error);

// Reads and parses the script at `path`; a file that cannot be read is an
// error too ("PATH: not a regular file", ...).
bool LoadInputScript(const std::string& path, InputScript& script, std::string& error);

// One event as its script line, with the line's end.
std::string FormatEventLine(const InputEvent& event);

// The script text of `events` with the header lines first: the seed, this
// program's version, the start values and, when given, the winners table and
// the tick watching begins at; ParseInputScript reads it back to the same
// seed, start values, table, tick and events.
std::string FormatInputScript(std::uint64_t seed, const StartValues& start,
                              const std::vector<InputEvent>& events,
                              const std::vector<WinnerEntry>& winners = {},
                              std::int32_t from_tick = 0);

}  // namespace klumpix
