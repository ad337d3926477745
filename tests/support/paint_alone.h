#pragma once
// One part of a tick's picture painted on its own, over what the frame holds.
#include "shell/frame.h"

namespace klumpix::testing {

template <typename Part>
void PaintAlone(Frame& frame, Part part) {
  frame.drawing.Forget();
  frame.drawing.Begin();
  part();
  frame.drawing.Paint(frame.screen);
}

}  // namespace klumpix::testing
