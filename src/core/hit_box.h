#pragma once
// Where the pointer counts as on a target: the open rectangle between the
// bounds (a pointer on an edge is outside), and the point a helper such as
// the page's touch assist aims at.
#include <cstdint>

namespace klumpix {

struct HitBox {
  std::int32_t left, top, right, bottom;
  std::int32_t centre_x, centre_y;

  bool Contains(std::int32_t x, std::int32_t y) const {
    return left < x && x < right && top < y && y < bottom;
  }
};

// The box from (centre_x - half_width, ...) to (centre_x + half_width, ...).
constexpr HitBox BoxAround(std::int32_t centre_x, std::int32_t centre_y, std::int32_t half_width,
                           std::int32_t half_height) {
  return {centre_x - half_width,
          centre_y - half_height,
          centre_x + half_width,
          centre_y + half_height,
          centre_x,
          centre_y};
}

}  // namespace klumpix
