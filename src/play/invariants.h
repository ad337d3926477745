#pragma once
// Consistency checks of the play state, for tests and --check runs.
#include <string>

namespace klumpix {

struct Game;

// Empty when all is well, otherwise a description of the first violation.
std::string CheckInvariants(const Game& g);

}  // namespace klumpix
