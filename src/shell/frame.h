#pragma once
// The picture of a tick: what only drawing needs, apart from the simulation.
#include <cstdint>

#include "core/retained_picture.h"
#include "core/surface.h"
#include "shell/game.h"

namespace klumpix {

// What the floor was last lit by and each tile's brightness from it, so that
// the next picture computes only the lights that came or went.
struct FloorLighting {
  bool valid = false;
  std::int32_t tile_count;
  std::int32_t tile_x[kFloorTileCount + 1];
  std::int32_t tile_y[kFloorTileCount + 1];
  std::int32_t light_count;
  std::int32_t light_x[kMaxLights + 1];
  std::int32_t light_y[kMaxLights + 1];
  double light_strength[kMaxLights + 1];
  // The sum of every light's share, before the floor's limits. Unsigned so
  // that taking a share away wraps rather than overflows; the true sum is far
  // inside the signed range.
  std::uint32_t sum[kFloorTileCount + 1];
};

// Who made each fill and copy of a tick's picture: the fills around the
// floor, the floor tiles, the object slots and the text cells, each once.
constexpr int kByFill = 0;
constexpr int kByTile = 8;
constexpr int kBySlot = kByTile + kFloorTileCount + 1;
constexpr int kByText = kBySlot + kSlotCount + 1;
static_assert(kByText + kTextCellCount + 1 <= kMaxDrawOps);

// The live slots of one drawing with their depths, in the order they are
// drawn (from 1).
struct DrawList {
  std::int16_t slot[kSlotCount + 1];
  std::int16_t key[kSlotCount + 1];
  std::int32_t count;
};

// The last drawing's slots in slot order and as sorted: the same slots at the
// same depths sort the same way again.
struct DrawOrder {
  bool valid = false;
  DrawList unsorted;
  DrawList sorted;
};

// The back buffer a tick's picture is drawn into, 800 x 600 RGB565, and the
// list of copies it was drawn with.
struct Frame {
  Surface screen;
  RetainedPicture drawing;
  DrawOrder draw_order;
  FloorLighting floor_lighting;
};

}  // namespace klumpix
