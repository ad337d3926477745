#pragma once
// What the buttons do while a mouse button is held on them.
#include <cstdint>

namespace klumpix {

struct Game;
class WinnersStorage;

// `winners` is where ENTER saves the table.
void ButtonAction(Game& g, std::int16_t slot, WinnersStorage& winners);

}  // namespace klumpix
