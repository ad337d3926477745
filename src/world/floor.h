#pragma once
// The tiled floor and the point lights that brighten it, tick by tick.
#include <cstdint>

namespace klumpix {

struct Frame;
struct Game;
struct PictureSet;

void BuildFloor(Game& g);
void AddLight(Game& g, std::int16_t x, std::int16_t y, double s);
// The four steady lights of a screen, at the corners of a rectangle, in the
// order top left, top right, bottom left, bottom right.
void AddCornerLights(Game& g, std::int16_t left, std::int16_t top, std::int16_t right,
                     std::int16_t bottom, double s);
// How bright the tile is under the tick's lights, 1..31: the column of the
// floor sheet it is drawn from.
std::int32_t TileBrightness(const Game& g, std::int16_t tile);
// Blackens the screen around the tiles and draws every tile. The brightness
// is carried over in the frame from its last floor, so only the lights that
// came or went since are computed.
void DrawFloor(const Game& g, const PictureSet& pictures, Frame& frame);

}  // namespace klumpix
