#pragma once
// What the buttons do while a mouse button is held on them.
#include <cstdint>

namespace klumpix {

struct Game;

void ButtonAction(Game& g, std::int16_t slot);

}  // namespace klumpix
