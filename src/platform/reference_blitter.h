#pragma once
// SDL's own software blitter, used only to measure ours against it.
#include <vector>

#include "core/surface.h"

namespace klumpix {

struct BlitOp {
  const Picture* picture;
  Rect source;
  int x, y;
  bool keyed;
};

// Draws `ops` onto `screen` with SDL_BlitSurface: RGB565 surfaces that
// share the pictures' pixels, each with its colour key set.
class ReferenceBlitter {
 public:
  ReferenceBlitter();
  ~ReferenceBlitter();
  ReferenceBlitter(const ReferenceBlitter&) = delete;
  ReferenceBlitter& operator=(const ReferenceBlitter&) = delete;

  void Draw(const std::vector<BlitOp>& ops, Surface& screen);

 private:
  struct Impl;
  Impl* impl_;
};

}  // namespace klumpix
