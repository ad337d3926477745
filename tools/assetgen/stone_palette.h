// The six stone colours and the inner mark that tells them apart even
// without colour. The colours differ in hue and in lightness, so every pair
// stays well apart in normal vision and for protan, deutan and tritan
// players alike, and none is a grey the floor could be mistaken for.
#pragma once

#include <array>

#include "canvas.h"

namespace assetgen {

enum class Mark { kDot, kRing, kCross, kBar, kTriangle, kDiamond };

struct StoneColour {
  Color base;
  Mark mark;
};

inline const std::array<StoneColour, 6>& StonePalette() {
  static const std::array<StoneColour, 6> kPalette = {{
      {{68, 102, 255}, Mark::kDot},        // blue
      {{221, 68, 0}, Mark::kRing},         // vermilion
      {{0, 204, 238}, Mark::kCross},       // sky blue
      {{238, 221, 68}, Mark::kBar},        // yellow
      {{187, 119, 153}, Mark::kTriangle},  // rose
      {{0, 153, 85}, Mark::kDiamond},      // green
  }};
  return kPalette;
}

// Inside test of a mark centred at the origin, in pixels, size ~ radius r.
inline float MarkDistance(Mark m, float x, float y, float r) {
  const float ax = x < 0 ? -x : x, ay = y < 0 ? -y : y;
  switch (m) {
    case Mark::kDot:
      return std::sqrt(x * x + y * y) - r * 0.62f;
    case Mark::kRing: {
      float d = std::sqrt(x * x + y * y);
      return std::fabs(d - r * 0.7f) - r * 0.26f;
    }
    case Mark::kCross:
      return std::min(std::max(ax - r * 0.22f, ay - r * 0.9f),
                      std::max(ay - r * 0.22f, ax - r * 0.9f));
    case Mark::kBar:
      return std::max(ay - r * 0.3f, ax - r * 0.95f);
    case Mark::kTriangle:
      // Upward triangle: apex above the centre, flat base below it.
      return std::max(y - r * 0.6f, ax - (y + r * 0.85f) * 0.62f);
    case Mark::kDiamond:
      return (ax + ay) * 0.75f - r * 0.7f;
  }
  return 1;
}

}  // namespace assetgen
