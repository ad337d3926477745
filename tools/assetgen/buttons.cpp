// Six button styles, each as normal, hover and pressed looks. The game writes
// the labels on top, so the faces stay plain and fairly dark.
#include "assets.h"
#include "rng.h"

namespace assetgen {
namespace {

constexpr int kW = 64, kH = 48;

// Signed distance to a rounded rectangle (negative inside), in pixels.
float RoundRectDistance(float x, float y, float x0, float y0, float x1, float y1, float radius) {
  float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
  float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
  float outside =
      std::sqrt(std::max(qx, 0.0f) * std::max(qx, 0.0f) + std::max(qy, 0.0f) * std::max(qy, 0.0f));
  return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

enum class Look { kNormal, kHover, kPressed };

void DrawButton(Canvas& c, int top, Color face, Look look) {
  const float shift = look == Look::kPressed ? 1.0f : 0.0f;
  const float brighten = look == Look::kHover ? 1.3f : look == Look::kPressed ? 0.8f : 1.0f;
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      float px = x + 0.5f, py = y + 0.5f;
      float d = RoundRectDistance(px, py, 1, 1, kW - 1, kH - 1, 8);
      float cov = Clamp01(0.5f - d);
      if (cov <= 0) continue;
      // Face: soft vertical gradient with a gloss band over the upper part.
      float t = (py - 1 - shift) / (kH - 2);
      Color col = face * (brighten * (1.12f - 0.3f * t));
      float gloss = Smooth(0.05f, 0.12f, t) * (1 - Smooth(0.38f, 0.46f, t));
      if (look != Look::kPressed) col = Mix(col, {255, 255, 255}, 0.08f * gloss);
      col = col * (1 + 0.03f * (HashNoise(x, y, 5) - 0.5f));
      // Bevel: 3 px wide; pressed buttons have it inverted (sunk in).
      float depth = -d;  // distance inside the edge
      if (depth < 3.5f) {
        float lit = -((px - kW / 2.0f) / kW * 0.8f + (py - kH / 2.0f) / kH * 1.2f);
        if (look == Look::kPressed) lit = -lit * 0.8f;
        float k = 1 - depth / 3.5f;
        col = lit > 0 ? Mix(col, {255, 255, 255}, Clamp01(lit * 1.4f) * 0.6f * k)
                      : col * (1 - Clamp01(-lit * 1.4f) * 0.7f * k);
      }
      if (look == Look::kHover && depth >= 3.5f && depth < 5)
        col = Mix(col, {255, 255, 220}, 0.25f);
      // Dark outline at the very edge.
      if (depth < 1.0f) col = col * 0.5f;
      c.Set(x, top + y, col, cov);
    }
  }
}

}  // namespace

Sheet PaintButtons() {
  const Color kFaces[6] = {
      {120, 45, 40},  // red: EXIT, START
      {40, 62, 130},  // blue: ENDE, ENTER
      {30, 90, 95},   // teal: NEU
      {95, 50, 115},  // purple
      {62, 70, 88},   // steel: SPIEL, HILFE, INFO, JA, NEIN
      {110, 80, 40},  // bronze: SOUND, LICHT
  };
  Canvas c = CanvasFor(klumpix::kPicButtons);
  for (int v = 0; v < 6; ++v) {
    DrawButton(c, 144 * v, kFaces[v], Look::kNormal);
    DrawButton(c, 144 * v + 48, kFaces[v], Look::kHover);
    DrawButton(c, 144 * v + 96, kFaces[v], Look::kPressed);
  }
  return SheetFor(klumpix::kPicButtons, ToImage(c, Key::kBlack, 0.5f, {40, 44, 52}));
}

}  // namespace assetgen
