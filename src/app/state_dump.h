#pragma once
// The state dump (--state): the game's variables after the last tick, as one
// JSON object whose keys are the game's own names.
#include <string>

namespace klumpix {

struct Game;

std::string StateDumpJson(const Game& g);

}  // namespace klumpix
