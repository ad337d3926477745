#pragma once
// The tiled floor and the point lights that brighten it, tick by tick.
#include <cstdint>

namespace klumpix {

struct Game;

void BuildFloor(Game& g);
void AddLight(Game& g, std::int16_t x, std::int16_t y, double s);
// The four steady lights of a screen, at the corners of a rectangle, in the
// order top left, top right, bottom left, bottom right.
void AddCornerLights(Game& g, std::int16_t left, std::int16_t top, std::int16_t right,
                     std::int16_t bottom, double s);
void TileBrightness(Game& g, std::int16_t tile);
void DrawFloor(Game& g);

}  // namespace klumpix
