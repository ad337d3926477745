#pragma once
// The trace (--trace): one JSON line per tick, for following a run over time.
#include <cstdint>
#include <string>

namespace klumpix {

struct Game;

// Appends the line of the tick that just ran with tick_count `tick`; the
// ticks before the start-up tick are not traced (they only clear the screen).
void AppendTraceLine(std::string& out, const Game& g, std::int32_t tick);

}  // namespace klumpix
