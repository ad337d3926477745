#include "world/floor.h"

#include <cmath>

#include "shell/assets.h"
#include "shell/frame.h"
#include "shell/game.h"

namespace klumpix {

namespace {
constexpr int kFloorColumns = 30;
constexpr int kFloorRows = 28;
constexpr int kTileSize = 20;
constexpr int kDesigns = 13;
constexpr int kBrightest = 31;
}  // namespace

void BuildFloor(Game& g) {
  const auto design = static_cast<std::int32_t>(g.rng.Random(kDesigns) + 1);
  g.floor.floor_tile_count = 0;
  for (int i = 1; i <= kFloorColumns; ++i) {
    for (int j = 1; j <= kFloorRows; ++j) {
      const int n = ++g.floor.floor_tile_count;
      g.floor.floor_tile_x[n] = kTileSize * i + 10;
      g.floor.floor_tile_y[n] = kTileSize * j + 10;
      g.floor.floor_tile_design[n] = design;
    }
  }
}

void AddLight(Game& g, std::int16_t x, std::int16_t y, double s) {
  // The list holds 50 lights; a busier tick simply loses the extra glows.
  if (g.lights.light_count >= kMaxLights) return;
  const int k = ++g.lights.light_count;
  g.lights.light_x[k] = x;
  g.lights.light_y[k] = y;
  g.lights.light_strength[k] = g.settings.light_level * s / 25000.0;
}

void AddCornerLights(Game& g, std::int16_t left, std::int16_t top, std::int16_t right,
                     std::int16_t bottom, double s) {
  AddLight(g, left, top, s);
  AddLight(g, right, top, s);
  AddLight(g, left, bottom, s);
  AddLight(g, right, bottom, s);
}

std::int32_t TileBrightness(const Game& g, std::int16_t tile) {
  std::int32_t b = 0;
  for (int k = 1; k <= g.lights.light_count; ++k) {
    const auto dx = static_cast<std::int16_t>(g.lights.light_x[k] - g.floor.floor_tile_x[tile]);
    const auto dy = static_cast<std::int16_t>(g.lights.light_y[k] - g.floor.floor_tile_y[tile]);
    const double d = std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
    b += static_cast<std::int32_t>(std::lround(g.lights.light_strength[k] * 512.0 / (d + 0.0001)));
  }
  b -= 10;
  if (b < 1) b = 1;
  if (b > kBrightest) b = kBrightest;
  return b;
}

void DrawFloor(const Game& g, const PictureSet& pictures, Frame& frame) {
  const Picture& sheet = pictures.sheets[kPicFloor];
  if (sheet.pixels.empty()) return;
  for (int n = 1; n <= g.floor.floor_tile_count; ++n) {
    const int left = kTileSize * TileBrightness(g, static_cast<std::int16_t>(n));
    const int top = kTileSize * g.floor.floor_tile_design[n];
    CopyRect(frame.screen, g.floor.floor_tile_x[n], g.floor.floor_tile_y[n], sheet,
             Rect{left, top, left + kTileSize, top + kTileSize}, false);
  }
}

}  // namespace klumpix
