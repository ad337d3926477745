// Floating-point RGBA drawing surface used by every sheet painter, plus the
// small colour and geometry helpers they share.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace assetgen {

struct Color {
  float r = 0, g = 0, b = 0;
};

inline Color operator*(Color c, float k) {
  return {c.r * k, c.g * k, c.b * k};
}
inline Color operator+(Color a, Color b) {
  return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Color Mix(Color a, Color b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
inline float Clamp01(float v) {
  return std::clamp(v, 0.0f, 1.0f);
}
inline float Smooth(float e0, float e1, float x) {
  float t = Clamp01((x - e0) / (e1 - e0));
  return t * t * (3 - 2 * t);
}

struct Pixel {
  Color c;
  float a = 0;  // coverage 0..1
};

class Canvas {
 public:
  Canvas(int w, int h) : w_(w), h_(h), px_(static_cast<std::size_t>(w) * h) {}
  int width() const { return w_; }
  int height() const { return h_; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
  Pixel& At(int x, int y) { return px_[static_cast<std::size_t>(y) * w_ + x]; }
  const Pixel& At(int x, int y) const { return px_[static_cast<std::size_t>(y) * w_ + x]; }

  // Replaces the pixel outright.
  void Set(int x, int y, Color c, float a = 1) {
    if (Inside(x, y)) At(x, y) = {c, a};
  }
  // Paints c with opacity `a` over what is there ("over" compositing).
  void Blend(int x, int y, Color c, float a) {
    if (!Inside(x, y) || a <= 0) return;
    Pixel& p = At(x, y);
    a = std::min(a, 1.0f);
    float out = a + p.a * (1 - a);
    if (out <= 0) return;
    p.c = (c * a + p.c * (p.a * (1 - a))) * (1.0f / out);
    p.a = out;
  }
  // Adds light to an existing pixel without changing its coverage.
  void Add(int x, int y, Color c) {
    if (!Inside(x, y)) return;
    Pixel& p = At(x, y);
    p.c = p.c + c;
  }
  // Makes the rectangle fully transparent again.
  void ClearRect(int x0, int y0, int x1, int y1) {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) Set(x, y, {}, 0);
  }
  void FillRect(int x0, int y0, int x1, int y1, Color c) {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) Set(x, y, c);
  }

 private:
  int w_, h_;
  std::vector<Pixel> px_;
};

// Flat-topped hexagon test: centre (cx, cy), half width rx, half height ry.
// Returns a signed distance-like value: < 0 inside, in pixels of the scale.
inline float HexDistance(float x, float y, float cx, float cy, float rx, float ry) {
  float dx = std::fabs(x - cx) / rx;
  float dy = std::fabs(y - cy) / ry;
  // Flat top/bottom edges at dy = 1; slanted edges through (1,0) and (0.5,1).
  float slant = dx + 0.5f * dy;  // = 1 on the slanted edge
  return std::max(dy, slant) - 1.0f;
}

// Anti-aliased coverage of a pixel centre for a shape given by a distance
// function measured in normalised units; `px` converts to pixels.
inline float Coverage(float dist, float px) {
  return Clamp01(0.5f - dist * px);
}

}  // namespace assetgen
