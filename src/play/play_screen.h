#pragma once
// The play screen: store, countdowns, drops, status panel, end of game.
#include <cstdint>

namespace klumpix {

struct Game;

void PlayScreenTick(Game& g);
// 0 when the object table has no room (nothing is made).
std::int16_t SpawnStone(Game& g, std::int16_t x, std::int16_t y, std::int16_t colour);
void SpawnFloatingText(Game& g, std::int16_t x, std::int16_t y, std::int16_t font,
                       const char* text);

}  // namespace klumpix
