#pragma once
// The tiled floor and the point lights that brighten it, tick by tick.
#include <cstdint>

namespace klumpix {

struct Game;

void BuildFloor(Game& g);
void AddLight(Game& g, std::int16_t x, std::int16_t y, double s);
void TileBrightness(Game& g, std::int16_t tile);
void DrawFloor(Game& g);

}  // namespace klumpix
