#pragma once
// The picture of a tick: what only drawing needs, apart from the simulation.
#include <cstdint>

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

// The back buffer a tick's picture is drawn into, 800 x 600 RGB565.
struct Frame {
  Surface screen;
  FloorLighting floor_lighting;
};

}  // namespace klumpix
