// The six stone colours, chosen to stay apart for colour-blind players, and
// the inner mark that tells them apart even without colour.
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
      {{30, 110, 235}, Mark::kDot},       // blue
      {{245, 150, 20}, Mark::kRing},      // orange
      {{100, 210, 245}, Mark::kCross},    // sky blue
      {{245, 225, 50}, Mark::kBar},       // yellow
      {{205, 70, 160}, Mark::kTriangle},  // reddish purple
      {{225, 228, 235}, Mark::kDiamond},  // white
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
      return std::min(std::max(ax - r * 0.22f, ay - r * 0.9f), std::max(ay - r * 0.22f, ax - r * 0.9f));
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
