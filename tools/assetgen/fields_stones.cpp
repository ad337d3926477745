// The hex fields of the playfield, their shadows and the stones.
#include "assets.h"
#include "rng.h"
#include "stone_palette.h"

namespace assetgen {
namespace {

constexpr int kSamples = 4;  // supersampling per axis for smooth edges

// Average of f over kSamples^2 points inside pixel (x, y); f returns 0..1.
template <typename F>
float Supersample(int x, int y, F f) {
  float sum = 0;
  for (int sy = 0; sy < kSamples; ++sy)
    for (int sx = 0; sx < kSamples; ++sx)
      sum += f(x + (sx + 0.5f) / kSamples, y + (sy + 0.5f) / kSamples);
  return sum / (kSamples * kSamples);
}

// 4x4 ordered dither threshold, 0..1.
float Bayer(int x, int y) {
  static const int kM[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  return (kM[y & 3][x & 3] + 0.5f) / 16.0f;
}

// A field is a hexagonal frame: stones lie *under* their field (they are
// drawn first), so the middle stays transparent and the stone shows through.
// An empty field shows the floor and its own shadow through the opening.
struct FieldLook {
  Color face;
  Color rim;
  float opening;  // how far out the transparent middle reaches (-1 centre .. 0 edge)
};

void DrawField(Canvas& c, int top, const FieldLook& look) {
  const float cx = 14, cy = 13, rx = 13.4f, ry = 11.6f;
  for (int y = 0; y < 26; ++y) {
    for (int x = 0; x < 28; ++x) {
      const float px = x + 0.5f, py = y + 0.5f;
      const float d = HexDistance(px, py, cx, cy, rx, ry);  // -1 centre .. 0 edge
      if (d < -look.opening) continue;
      float cov = Supersample(x, y, [&](float sx, float sy) {
        const float e = HexDistance(sx, sy, cx, cy, rx, ry);
        return e < 0 && e >= -look.opening ? 1.f : 0.f;
      });
      if (cov <= 0) continue;
      const float nx = (px - cx) / rx, ny = (py - cy) / ry;
      // Bevelled frame: lit on the upper left, shaded on the lower right;
      // the inner lip is the field's colour, the outer edge its rim.
      const float lit = -(nx * 0.6f + ny * 0.8f);
      const float across = Clamp01((d + look.opening) / look.opening);  // 0 inner .. 1 outer
      Color col = Mix(look.face, look.rim, Smooth(0.35f, 0.8f, across));
      col = Mix(col, lit > 0 ? Color{255, 255, 255} : Color{0, 0, 0}, std::fabs(lit) * 0.4f);
      if (across < 0.18f) col = col * 0.7f;  // shaded inner lip
      c.Set(x, top + y, col, cov);
    }
  }
}

Color Muted(Color base) {
  Color grey{70, 72, 80};
  return Mix(grey, base, 0.55f) * 0.8f;
}

}  // namespace

Sheet PaintFields() {
  Canvas c = CanvasFor(klumpix::kPicFields);
  const auto& pal = StonePalette();
  for (int i = 0; i < 6; ++i) {
    Color face = Muted(pal[i].base);
    DrawField(c, 26 * i, {face * 1.15f, face * 1.45f, 0.3f});
  }
  // The drop fields are the only white and the only gold on the board.
  DrawField(c, 26 * 6, {{255, 225, 100}, {255, 255, 235}, 0.36f});  // lit drop field
  DrawField(c, 26 * 7, {{215, 222, 230}, {255, 255, 255}, 0.36f});  // drop field
  return SheetFor(klumpix::kPicFields, ToImage(c, Key::kBlack, 0.4f));
}

Sheet PaintShadows() {
  Canvas c = CanvasFor(klumpix::kPicShadows);
  for (int f = 0; f < 2; ++f) {
    const float cx = 13.5f, cy = 13.5f + 27 * f;
    const float rx = f == 0 ? 12.5f : 13.3f, ry = f == 0 ? 10.8f : 12.0f;
    const Color ink = f == 0 ? Color{16, 16, 22} : Color{6, 6, 10};
    for (int y = 27 * f; y < 27 * (f + 1); ++y) {
      for (int x = 0; x < 27; ++x) {
        float d = HexDistance(x + 0.5f, y + 0.5f, cx, cy, rx, ry);
        // Solid core, then a dithered fade over the outer band.
        float density =
            (f == 0 ? 0.7f : 0.9f) * (1.0f - Smooth(f == 0 ? -0.35f : -0.25f, 0.08f, d));
        if (density > Bayer(x, y)) c.Set(x, y, ink);
      }
    }
  }
  return SheetFor(klumpix::kPicShadows, ToImage(c, Key::kMagenta));
}

Sheet PaintStones() {
  Canvas c = CanvasFor(klumpix::kPicStones);
  const auto& pal = StonePalette();
  for (int i = 0; i < 6; ++i) {
    const Color base = pal[i].base;
    const float luminance = 0.3f * base.r + 0.59f * base.g + 0.11f * base.b;
    const Color mark_ink = luminance > 150 ? base * 0.35f : Mix(base, {255, 255, 255}, 0.7f);
    const float cx = 13.5f, cy = 25 * i + 12.5f, r = 10.3f;
    for (int y = 25 * i; y < 25 * (i + 1); ++y) {
      for (int x = 0; x < 27; ++x) {
        float cov = Supersample(x, y, [&](float px, float py) {
          float dx = px - cx, dy = py - cy;
          return dx * dx + dy * dy < r * r ? 1.f : 0.f;
        });
        if (cov <= 0) continue;
        float nx = (x + 0.5f - cx) / r, ny = (y + 0.5f - cy) / r;
        float nz = std::sqrt(std::max(0.0f, 1 - nx * nx - ny * ny));
        // Light from the upper left and slightly in front.
        float lx = -0.45f, ly = -0.6f, lz = 0.66f;
        float diffuse = std::max(0.0f, nx * lx + ny * ly + nz * lz);
        float rim = 1 - nz;
        Color col = base * (0.7f + 0.45f * diffuse);
        // Bounce light along the lower edge keeps the ball round.
        col = col + base * (0.25f * Clamp01(ny) * rim);
        // The mark sits on the front of the ball.
        float mark_cov = Supersample(x, y, [&](float px, float py) {
          return MarkDistance(pal[i].mark, px - cx, py - cy + 0.5f, r * 0.5f) < 0 ? 1.f : 0.f;
        });
        if (mark_cov > 0) col = Mix(col, mark_ink * (0.55f + 0.6f * diffuse), mark_cov * 0.9f);
        // Glossy highlight.
        float hx = nx + 0.5f, hy = ny + 0.58f;
        float gloss = Clamp01(1 - (hx * hx + hy * hy) * 16.0f);
        col = Mix(col, {255, 255, 255}, gloss * 0.9f);
        // Dark outline so stones read on bright fields.
        col = col * (1 - 0.3f * Smooth(0.85f, 1.0f, rim));
        c.Set(x, y, col, cov);
      }
    }
  }
  return SheetFor(klumpix::kPicStones, ToImage(c, Key::kBlack, 0.45f));
}

}  // namespace assetgen
