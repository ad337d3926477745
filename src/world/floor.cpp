#include "world/floor.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/simd.h"
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

// The sheet's column for a tile whose lights add up to `sum`.
std::int32_t Limited(std::int32_t sum) {
  std::int32_t b = sum - 10;
  if (b < 1) b = 1;
  if (b > kBrightest) b = kBrightest;
  return b;
}
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
  return Limited(b);
}

namespace {

// What one light adds to the brightness of the tile: the same numbers as
// TileBrightness adds, two tiles at a time.
void AddShare(const Floor& floor, std::int32_t x, std::int32_t y, double strength, bool take_away,
              std::uint32_t* sum) {
  const double scaled = strength * 512.0;
  for (int n = 1; n <= floor.floor_tile_count; n += 2) {
    const int m = n + 1 <= floor.floor_tile_count ? n + 1 : n;
    const simd::F64x2 dx = {
        static_cast<double>(static_cast<std::int16_t>(x - floor.floor_tile_x[n])),
        static_cast<double>(static_cast<std::int16_t>(x - floor.floor_tile_x[m]))};
    const simd::F64x2 dy = {
        static_cast<double>(static_cast<std::int16_t>(y - floor.floor_tile_y[n])),
        static_cast<double>(static_cast<std::int16_t>(y - floor.floor_tile_y[m]))};
    const simd::F64x2 d = simd::Sqrt(dx * dx + dy * dy);
    const simd::I64x2 share = simd::RoundHalfAway((simd::F64x2{} + scaled) / (d + 0.0001));
    for (int lane = 0; lane < 2 && n + lane <= floor.floor_tile_count; ++lane) {
      const auto add = static_cast<std::uint32_t>(static_cast<std::int32_t>(share[lane]));
      sum[n + lane] = take_away ? sum[n + lane] - add : sum[n + lane] + add;
    }
  }
}

bool SameTiles(const Floor& floor, const FloorLighting& lit) {
  const auto bytes = static_cast<std::size_t>(floor.floor_tile_count + 1) * sizeof(std::int32_t);
  return lit.valid && lit.tile_count == floor.floor_tile_count &&
         std::memcmp(lit.tile_x, floor.floor_tile_x, bytes) == 0 &&
         std::memcmp(lit.tile_y, floor.floor_tile_y, bytes) == 0;
}

// Brings the remembered sums to this tick's lights. The sums are of whole
// numbers, so taking away the lights that went and adding the new ones gives
// what adding up every light anew gives.
void UpdateLighting(const Game& g, FloorLighting& lit) {
  const Floor& floor = g.floor;
  const Lights& lights = g.lights;
  if (!SameTiles(floor, lit)) {
    const auto bytes = static_cast<std::size_t>(floor.floor_tile_count + 1) * sizeof(std::int32_t);
    lit.tile_count = floor.floor_tile_count;
    std::memcpy(lit.tile_x, floor.floor_tile_x, bytes);
    std::memcpy(lit.tile_y, floor.floor_tile_y, bytes);
    std::memset(lit.sum, 0, sizeof lit.sum);
    lit.light_count = 0;
    lit.valid = true;
  }
  bool stays[kMaxLights + 1] = {};
  bool comes[kMaxLights + 1] = {};
  for (int k = 1; k <= lights.light_count; ++k) {
    comes[k] = true;
    for (int j = 1; j <= lit.light_count; ++j) {
      if (!stays[j] && lit.light_x[j] == lights.light_x[k] && lit.light_y[j] == lights.light_y[k] &&
          lit.light_strength[j] == lights.light_strength[k]) {
        stays[j] = true;
        comes[k] = false;
        break;
      }
    }
  }
  for (int j = 1; j <= lit.light_count; ++j) {
    if (!stays[j])
      AddShare(floor, lit.light_x[j], lit.light_y[j], lit.light_strength[j], true, lit.sum);
  }
  for (int k = 1; k <= lights.light_count; ++k) {
    if (comes[k])
      AddShare(floor, lights.light_x[k], lights.light_y[k], lights.light_strength[k], false,
               lit.sum);
  }
  lit.light_count = lights.light_count;
  for (int k = 1; k <= lights.light_count; ++k) {
    lit.light_x[k] = lights.light_x[k];
    lit.light_y[k] = lights.light_y[k];
    lit.light_strength[k] = lights.light_strength[k];
  }
}

// Where BuildFloor lays each tile, column by column.
struct TilePlaces {
  std::int32_t x[kFloorColumns * kFloorRows + 1] = {};
  std::int32_t y[kFloorColumns * kFloorRows + 1] = {};
};

constexpr TilePlaces kBuiltPlaces = [] {
  TilePlaces places;
  for (int i = 1, n = 1; i <= kFloorColumns; ++i) {
    for (int j = 1; j <= kFloorRows; ++j, ++n) {
      places.x[n] = kTileSize * i + 10;
      places.y[n] = kTileSize * j + 10;
    }
  }
  return places;
}();

// The screen's rectangle the tiles cover whole when they lie as BuildFloor
// lays them, each tile whole on the sheet; else an empty one.
Rect FloorArea(const Game& g, const PictureSet& pictures) {
  const Picture& sheet = pictures.sheets[kPicFloor];
  const Rect none{0, 0, 0, 0};
  const int count = kFloorColumns * kFloorRows;
  if (sheet.pixels.empty() || sheet.width < kTileSize * (kBrightest + 1) ||
      g.floor.floor_tile_count != count ||
      std::memcmp(&g.floor.floor_tile_x[1], &kBuiltPlaces.x[1], count * sizeof(std::int32_t)) !=
          0 ||
      std::memcmp(&g.floor.floor_tile_y[1], &kBuiltPlaces.y[1], count * sizeof(std::int32_t)) !=
          0) {
    return none;
  }
  std::int32_t lowest = g.floor.floor_tile_design[1];
  std::int32_t highest = lowest;
  for (int n = 2; n <= count; ++n) {
    lowest = std::min(lowest, g.floor.floor_tile_design[n]);
    highest = std::max(highest, g.floor.floor_tile_design[n]);
  }
  if (lowest < 0 || kTileSize * (highest + 1) > sheet.height) return none;
  return Rect{kTileSize + 10, kTileSize + 10, kTileSize * (kFloorColumns + 1) + 10,
              kTileSize * (kFloorRows + 1) + 10};
}

// Blackens the screen where the tiles will not lie: around `floor`, or all
// of it when the tiles do not lie as BuildFloor lays them.
void ClearAroundFloor(Rect floor, RetainedPicture& drawing) {
  if (floor.right <= floor.left) {
    drawing.Fill(kWholeScreen, 0, kByFill);
    return;
  }
  drawing.Fill(Rect{0, 0, kScreenWidth, floor.top}, 0, kByFill + 1);
  drawing.Fill(Rect{0, floor.top, floor.left, floor.bottom}, 0, kByFill + 2);
  drawing.Fill(Rect{floor.right, floor.top, kScreenWidth, floor.bottom}, 0, kByFill + 3);
  drawing.Fill(Rect{0, floor.bottom, kScreenWidth, kScreenHeight}, 0, kByFill + 4);
}

}  // namespace

void DrawFloor(const Game& g, const PictureSet& pictures, Frame& frame) {
  const Rect area = FloorArea(g, pictures);
  ClearAroundFloor(area, frame.drawing);
  const Picture& sheet = pictures.sheets[kPicFloor];
  if (sheet.pixels.empty()) return;
  FloorLighting& lit = frame.floor_lighting;
  UpdateLighting(g, lit);
  // Laid as BuildFloor lays it, column by column: a grid of squares.
  if (area.right > area.left && frame.drawing.Tiles(sheet, area, kTileSize)) {
    for (int column = 0, n = 1; column < kFloorColumns; ++column) {
      for (int row = 0; row < kFloorRows; ++row, ++n) {
        frame.drawing.Tile(column, row, kTileSize * Limited(static_cast<std::int32_t>(lit.sum[n])),
                           kTileSize * g.floor.floor_tile_design[n]);
      }
    }
    return;
  }
  for (int n = 1; n <= g.floor.floor_tile_count; ++n) {
    const int left = kTileSize * Limited(static_cast<std::int32_t>(lit.sum[n]));
    const int top = kTileSize * g.floor.floor_tile_design[n];
    frame.drawing.Copy(g.floor.floor_tile_x[n], g.floor.floor_tile_y[n], sheet,
                       Rect{left, top, left + kTileSize, top + kTileSize}, false, kByTile + n);
  }
}

}  // namespace klumpix
