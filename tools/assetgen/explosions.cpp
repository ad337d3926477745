// Explosion bursts: 28 frames per stone colour of a flash, an expanding
// shock ring and flying sparks, fading out completely by the last frame.
#include <vector>

#include "assets.h"
#include "rng.h"
#include "stone_palette.h"

namespace assetgen {
namespace {

constexpr int kCell = 75;
constexpr int kFrames = 28;

struct Spark {
  float angle, speed, size;
};

// Light accumulated in one cell before it is turned into pixels.
struct Glow {
  std::vector<Color> light = std::vector<Color>(kCell * kCell);
  void Add(float x, float y, Color c) {
    int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    if (ix < 0 || iy < 0 || ix >= kCell || iy >= kCell) return;
    light[static_cast<std::size_t>(iy) * kCell + ix] =
        light[static_cast<std::size_t>(iy) * kCell + ix] + c;
  }
};

void PaintBurst(Canvas& canvas, int column, int frame, Color base,
                const std::vector<Spark>& sparks) {
  if (frame >= kFrames) return;                                   // the last frame is empty
  const float p = (frame - 1) / static_cast<float>(kFrames - 1);  // 0..1
  const float fade = std::pow(1 - p, 1.4f);
  const float c0 = kCell / 2.0f;
  const Color hot = Mix(base, {255, 255, 240}, 0.75f);
  Glow g;

  // Fireball: a hot, mottled ball that swells and burns out over the first half.
  const float ball_r = 12 + 16 * std::sqrt(p);
  const float ball = Clamp01(1.15f - p * 2.0f);
  // Shock ring racing outwards.
  const float ring_r = 7 + 29 * (1 - (1 - p) * (1 - p) * (1 - p));
  const float ring_w = 4.5f * (1 - p) + 1.2f;
  for (int y = 0; y < kCell; ++y) {
    for (int x = 0; x < kCell; ++x) {
      float dx = x + 0.5f - c0, dy = y + 0.5f - c0;
      float d = std::sqrt(dx * dx + dy * dy);
      Color add{};
      if (ball > 0 && d < ball_r) {
        float mottle = 0.55f + 0.45f * HashNoise(x / 3 + frame, y / 3 - frame,
                                                 300u + static_cast<std::uint32_t>(column));
        float core = std::pow(1 - d / ball_r, 0.6f);
        Color fire = Mix(base, hot, Clamp01(core * 1.4f - p));
        add = add + fire * (ball * core * mottle * 1.6f);
      }
      float ring = Clamp01(1 - std::fabs(d - ring_r) / ring_w);
      // Ragged ring: brightness wobbles around the circle.
      float wobble = 0.6f + 0.4f * std::sin(std::atan2(dy, dx) * 7 + column * 1.3f + p * 4);
      add = add + Mix(base, hot, 0.5f * fade) * (ring * fade * wobble * 1.4f);
      g.Add(static_cast<float>(x), static_cast<float>(y), add);
    }
  }
  // Sparks slow down as they fly and leave a short trail.
  for (const Spark& s : sparks) {
    float travel = s.speed * (1 - std::pow(1 - p, 2.4f)) * 36;
    float life = Clamp01(1.1f - p / (0.5f + 0.5f * s.size));
    if (life <= 0) continue;
    float ca = std::cos(s.angle), sa = std::sin(s.angle);
    for (int t = 0; t < 7; ++t) {
      float r = travel - t * 1.3f;
      if (r < 0) break;
      float k = life * (1 - t * 0.13f);
      Color col = Mix(base, hot, life * 0.7f) * (k * 1.6f);
      float x = c0 + ca * r, y = c0 + sa * r;
      g.Add(x, y, col);
      if (t < 2 && s.size > 0.3f) {
        g.Add(x + 1, y, col * 0.8f);
        g.Add(x, y + 1, col * 0.8f);
        g.Add(x + 1, y + 1, col * 0.6f);
      }
    }
  }
  const int ox = (column - 1) * kCell, oy = (frame - 1) * kCell;
  for (int y = 0; y < kCell; ++y) {
    for (int x = 0; x < kCell; ++x) {
      Color l = g.light[static_cast<std::size_t>(y) * kCell + x];
      float m = std::max({l.r, l.g, l.b});
      if (m < 28) continue;  // too faint to show: leave transparent
      // Light maps to colour with a soft shoulder so hot centres go white.
      auto tone = [](float v) { return 255 * (1 - std::exp(-v * 2.2f)); };
      Color out{tone(l.r / 255), tone(l.g / 255), tone(l.b / 255)};
      canvas.Set(ox + x, oy + y, out);
    }
  }
}

}  // namespace

Sheet PaintExplosions() {
  Canvas canvas = CanvasFor(klumpix::kPicExplosions);
  const auto& pal = StonePalette();
  for (int column = 1; column <= 6; ++column) {
    Rng rng(1000u + static_cast<std::uint32_t>(column) * 7919u);
    std::vector<Spark> sparks(40);
    for (Spark& s : sparks) s = {rng.Unit() * 6.2831853f, 0.45f + 0.55f * rng.Unit(), rng.Unit()};
    for (int frame = 1; frame <= kFrames; ++frame)
      PaintBurst(canvas, column, frame, pal[column - 1].base, sparks);
  }
  return SheetFor(klumpix::kPicExplosions, ToImage(canvas, Key::kBlack));
}

}  // namespace assetgen
