// Thirteen floor designs, each a self-contained 20 x 20 tile, drawn in 31
// brightness steps. Every tile is lit on its own by the game, so a design
// keeps its seams at the tile border (grout, plank ends, frames).
// The floor is the backdrop of the stones: every design is calmed down to a
// soft texture in greyish tints, far from the saturated stone colours at
// every brightness, so stones, fields and text stand out on it.
#include <array>

#include "assets.h"
#include "rng.h"

namespace assetgen {
namespace {

constexpr int kTile = 20;

float Noise(int x, int y, std::uint32_t seed) {
  return HashNoise(x, y, seed) * 2 - 1;
}

// Smoothed value noise, periodic over the tile so neighbours join.
float SmoothNoise(float x, float y, int cells, std::uint32_t seed) {
  float fx = x / kTile * cells, fy = y / kTile * cells;
  int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
  float tx = fx - ix, ty = fy - iy;
  tx = tx * tx * (3 - 2 * tx);
  ty = ty * ty * (3 - 2 * ty);
  auto v = [&](int a, int b) {
    return HashNoise(((a % cells) + cells) % cells, ((b % cells) + cells) % cells, seed);
  };
  float top = v(ix, iy) + (v(ix + 1, iy) - v(ix, iy)) * tx;
  float bot = v(ix, iy + 1) + (v(ix + 1, iy + 1) - v(ix, iy + 1)) * tx;
  return (top + (bot - top) * ty) * 2 - 1;
}

// Bevel helper for a rectangle [x0,x1) x [y0,y1): +1 on the lit upper-left
// edge, -1 on the shaded lower-right edge, 0 inside.
float Bevel(int x, int y, int x0, int y0, int x1, int y1) {
  if (x == x0 || y == y0) return 1;
  if (x == x1 - 1 || y == y1 - 1) return -1;
  return 0;
}

Color StoneSlabs(int x, int y) {
  if (x == 0 || y == 0) return {40, 38, 36};
  Color c{150, 145, 135};
  c = c * (1 + 0.12f * SmoothNoise(static_cast<float>(x), static_cast<float>(y), 4, 11) +
           0.06f * Noise(x, y, 12));
  return c * (1 + 0.22f * Bevel(x, y, 1, 1, kTile, kTile));
}

Color Checker(int x, int y) {
  bool light = (x < 10) == (y < 10);
  Color c = light ? Color{205, 200, 190} : Color{60, 62, 72};
  c = c * (1 + 0.07f * SmoothNoise(static_cast<float>(x), static_cast<float>(y), 5, 21));
  int lx = x % 10, ly = y % 10;
  return c * (1 + 0.12f * Bevel(lx, ly, 0, 0, 10, 10));
}

Color Parquet(int x, int y) {
  // Two squares with planks running across, two with planks running down.
  bool across = (x < 10) == (y < 10);
  int along = across ? x % 10 : y % 10;
  int plank = across ? y / 3 : x / 3;
  int ofs = across ? y % 3 : x % 3;
  Color c{165, 105, 55};
  c = c *
      (0.85f + 0.25f * HashNoise(plank, (across ? x / 10 : y / 10) + 7 * (x / 10 + y / 10), 31));
  c = c * (1 + 0.08f * std::sin(along * 1.7f + plank * 2.1f));  // grain
  if (ofs == 2 || along == 9) c = c * 0.6f;
  return c;
}

Color Brick(int x, int y) {
  int row = y / 5, ly = y % 5;
  int shift = (row % 2) * 5;
  int lx = (x + shift) % 10;
  if (ly == 4 || lx == 9) return {70, 66, 60};  // mortar
  Color c{170, 80, 55};
  c = c * (0.85f + 0.25f * HashNoise((x + shift) / 10, row, 41) + 0.06f * Noise(x, y, 42));
  return c * (1 + 0.15f * Bevel(lx, ly, 0, 0, 9, 4));
}

Color Octagons(int x, int y) {
  // Octagon tiles with small diamonds at the corners: a tiling that joins.
  float dx = std::fabs(x + 0.5f - 10), dy = std::fabs(y + 0.5f - 10);
  bool corner = dx + dy > 14;
  bool joint = std::fabs(dx + dy - 14) < 0.8f || dx > 9.2f || dy > 9.2f;
  if (joint) return {45, 45, 50};
  if (corner) return {40, 90, 140};
  Color c{190, 185, 170};
  c = c * (1 + 0.06f * SmoothNoise(static_cast<float>(x), static_cast<float>(y), 4, 51));
  return c * (1 - 0.012f * (x + y - 20));
}

Color Marble(int x, int y) {
  float n = SmoothNoise(static_cast<float>(x), static_cast<float>(y), 4, 61) * 2 +
            SmoothNoise(static_cast<float>(x), static_cast<float>(y), 10, 62);
  float vein = std::fabs(std::sin((x * 0.35f + y * 0.2f) + n * 1.8f));
  Color c = Mix({225, 222, 215}, {120, 125, 140}, Clamp01(1 - vein * 6));
  if (x == 0 || y == 0) c = c * 0.7f;
  return c;
}

Color BlueCeramic(int x, int y) {
  if (x == 0 || y == 0) return {200, 205, 210};
  float d = std::fabs(x - 10.0f) + std::fabs(y - 10.0f);
  Color c = d < 5 ? Color{240, 240, 235} : Color{40, 90, 170};
  if (std::fabs(d - 7.5f) < 0.7f) c = {230, 200, 90};
  return c * (1 + 0.2f * Bevel(x, y, 1, 1, kTile, kTile));
}

Color Terracotta(int x, int y) {
  if (x == 0 || y == 0 || x == 19 || y == 19) return {90, 70, 55};
  Color c{200, 110, 65};
  c = c * (1 + 0.1f * SmoothNoise(static_cast<float>(x), static_cast<float>(y), 5, 81) +
           0.05f * Noise(x, y, 82));
  return c * (1 + 0.15f * Bevel(x, y, 1, 1, 19, 19));
}

Color TreadPlate(int x, int y) {
  Color c{135, 140, 150};
  c = c * (1 + 0.05f * Noise(x, y, 91));
  // Raised diagonal bars alternating direction.
  int cx = x % 10, cy = y % 10;
  bool flip = ((x / 10) + (y / 10)) % 2 == 0;
  float along = flip ? (cx - cy) : (cx + cy - 9);
  if (std::fabs(along) < 1.2f && cx > 1 && cx < 8 && cy > 1 && cy < 8)
    c = c * (along > 0 ? 0.7f : 1.35f);
  if (x == 0 || y == 0) c = c * 0.6f;
  return c;
}

Color Mosaic(int x, int y) {
  int mx = x / 4, my = y / 4;
  if (x % 4 == 3 || y % 4 == 3) return {55, 50, 45};
  static const Color kStones[4] = {
      {120, 118, 112}, {150, 146, 136}, {100, 100, 104}, {135, 132, 128}};
  int k = static_cast<int>(HashNoise(mx, my, 101) * 4);
  return kStones[k] * (0.9f + 0.15f * HashNoise(x, y, 102));
}

Color Cobbles(int x, int y) {
  // Four rounded cobbles per tile.
  float lx = (x % 10) + 0.5f - 5, ly = (y % 10) + 0.5f - 5;
  float d = std::sqrt(lx * lx + ly * ly);
  if (d > 4.6f) return {50, 45, 40};
  float shade = 1 - (lx + ly) * 0.05f;
  Color c = Mix({150, 140, 120}, {120, 125, 130}, HashNoise(x / 10, y / 10, 111));
  return c * shade * (1 + 0.06f * Noise(x, y, 112));
}

Color Granite(int x, int y) {
  Color c{70, 72, 80};
  float n = HashNoise(x, y, 121);
  if (n > 0.92f)
    c = {200, 200, 210};
  else if (n > 0.75f)
    c = {110, 105, 105};
  else if (n < 0.1f)
    c = {40, 40, 46};
  if (x == 0 || y == 0) c = c * 0.55f;
  return c;
}

Color Weave(int x, int y) {
  // Basket weave of green jade strips.
  bool horiz = ((x / 5) + (y / 5)) % 2 == 0;
  int along = horiz ? x % 5 : y % 5;
  int across = horiz ? y % 5 : x % 5;
  Color c{70, 160, 110};
  c = c * (0.8f + 0.25f * std::sin(across * 0.9f + 0.4f));
  if (along == 0) c = c * 0.6f;
  return c * (1 + 0.05f * Noise(x, y, 131));
}

Color DesignColour(int design, int x, int y) {
  switch (design) {
    case 1:
      return StoneSlabs(x, y);
    case 2:
      return Checker(x, y);
    case 3:
      return Parquet(x, y);
    case 4:
      return Brick(x, y);
    case 5:
      return Octagons(x, y);
    case 6:
      return Marble(x, y);
    case 7:
      return BlueCeramic(x, y);
    case 8:
      return Terracotta(x, y);
    case 9:
      return TreadPlate(x, y);
    case 10:
      return Mosaic(x, y);
    case 11:
      return Cobbles(x, y);
    case 12:
      return Granite(x, y);
    default:
      return Weave(x, y);
  }
}

// How much of its own colour (saturation) and of its own light and dark
// (contrast) each design keeps on the floor, design 1 first.
struct Calming {
  float saturation, contrast;
};
constexpr Calming kCalming[13] = {{0.5f, 0.5f},  {0.3f, 0.3f}, {0.4f, 0.5f},  {0.3f, 0.5f},
                                  {0.3f, 0.35f}, {0.3f, 0.5f}, {0.2f, 0.35f}, {0.3f, 0.5f},
                                  {0.3f, 0.5f},  {0.3f, 0.4f}, {0.5f, 0.4f},  {0.5f, 0.4f},
                                  {0.2f, 0.5f}};

// The design as drawn on the floor: pulled towards its mean tone, so its
// texture stays quieter than the stones, and towards grey; every design has
// the same mean brightness, so lettering over the floor reads on all of them.
constexpr float kMeanLuma = 128;

std::array<Color, kTile * kTile> CalmTile(int design) {
  std::array<Color, kTile * kTile> tile;
  Color mean;
  for (int y = 0; y < kTile; ++y) {
    for (int x = 0; x < kTile; ++x) {
      tile[y * kTile + x] = DesignColour(design, x, y);
      mean = mean + tile[y * kTile + x] * (1.0f / (kTile * kTile));
    }
  }
  const Calming calm = kCalming[design - 1];
  const float mean_luma = 0.3f * mean.r + 0.59f * mean.g + 0.11f * mean.b;
  for (Color& c : tile) {
    c = Mix(mean, c, calm.contrast);
    const float luma = 0.3f * c.r + 0.59f * c.g + 0.11f * c.b;
    c = Mix({luma, luma, luma}, c, calm.saturation) * (kMeanLuma / mean_luma);
  }
  return tile;
}

}  // namespace

Sheet PaintFloorTiles() {
  Canvas c = CanvasFor(klumpix::kPicFloor);
  for (int design = 1; design <= 13; ++design) {
    const std::array<Color, kTile* kTile> tile = CalmTile(design);
    for (int level = 1; level <= 31; ++level) {
      // Darkest step is barely visible; even the brightest stays a dim
      // backdrop for the stones and the lettering. The top steps warm up
      // a little like lamp light.
      float t = (level - 1) / 30.0f;
      float k = 0.035f + 0.6f * std::pow(t, 1.35f);
      Color warm{1.0f + 0.05f * t, 1.0f + 0.02f * t, 1.0f - 0.04f * t};
      for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
          const Color base = tile[y * kTile + x];
          Color lit{base.r * k * warm.r, base.g * k * warm.g, base.b * k * warm.b};
          c.Set(level * kTile + x, design * kTile + y, lit);
        }
      }
    }
  }
  return SheetFor(klumpix::kPicFloor, ToImage(c, Key::kNone));
}

}  // namespace assetgen
