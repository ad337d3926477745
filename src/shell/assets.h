#pragma once
// The thirteen picture sheets, loaded once and only read afterwards, and
// finding an object's sheet among them.
#include "core/picture_files.h"
#include "core/surface.h"

namespace klumpix {

// The loaded sheets in load order 1..13; they live as long as the run.
struct PictureSet {
  Picture sheets[kPictureCount + 1];
};

// The picture of object sheet 20 * kind + image, or null when there is none
// or it is not loaded yet.
const Picture* ObjectSheet(const PictureSet& pictures, int kind, int image);

}  // namespace klumpix
