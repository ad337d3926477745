#pragma once
// Groups of three or more resting stones of one colour, and their explosions.
#include <cstdint>

namespace klumpix {

struct Game;

// Marks the groups; the tick's points factor.
std::int16_t MatchStones(Game& g);
void ExplodeStones(Game& g, std::int16_t count);
std::int16_t SpawnExplosion(Game& g, std::int16_t x, std::int16_t y, std::int16_t colour);

}  // namespace klumpix
