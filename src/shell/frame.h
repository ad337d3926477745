#pragma once
// The picture of a tick: what only drawing needs, apart from the simulation.
#include "core/surface.h"

namespace klumpix {

// The back buffer a tick's picture is drawn into, 800 x 600 RGB565.
struct Frame {
  Surface screen;
};

}  // namespace klumpix
