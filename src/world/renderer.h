#pragma once
// Picture rectangles, the screen shake and drawing the objects in depth order.
#include <cstdint>

#include "core/surface.h"
#include "shell/frame.h"
#include "shell/object_map.h"

namespace klumpix {

struct Game;
struct PictureSet;

Rect SpriteCell(std::int16_t kind, std::int16_t image, std::int16_t frame, std::int16_t variant);
// Stores the slot's source rectangle and the sizes derived from it.
void UpdatePictureRect(Game& g, std::int16_t slot);
void UpdateShake(Game& g);
// The object pass in depth order, then the text layer.
void DrawScene(const Game& g, const PictureSet& pictures, Frame& frame);
// Builds and sorts the draw list (exposed for tests and benchmarks).
void BuildDrawList(const Game& g, DrawList& list);

}  // namespace klumpix
