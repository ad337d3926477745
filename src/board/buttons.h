#pragma once
// What the buttons do, and the exit confirm box.
#include <cstdint>

namespace klumpix {

struct Game;

void ButtonAction(Game& g, std::int16_t slot);
void OpenConfirmBox(Game& g);
void CloseConfirmBox(Game& g);

}  // namespace klumpix
