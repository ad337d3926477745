#pragma once
// Turns the window's raw mouse events into the four handler calls the game
// knows, the way the original form raised them: a left release after a single
// press gives a click before the release; the second press of a double click
// gives none.
#include <cstdint>

#include "app/input_script.h"

namespace klumpix {

// Up to two handler calls from one raw event, in delivery order.
struct PointerCalls {
  InputEvent calls[2];
  int count = 0;
};

class PointerTranslator {
 public:
  // A press; `clicks` is the platform's count of quick presses in a row
  // (1 single, 2 double, 3 the one after a double ...).
  PointerCalls Press(std::int32_t tick, MouseButton button, int clicks, bool ctrl);
  // A release; `over_picture` says whether the pointer is over the game's picture.
  PointerCalls Release(std::int32_t tick, MouseButton button, bool ctrl, bool over_picture);
  // A movement to picture pixel (x, y); kept inside the 800 x 600 picture.
  PointerCalls Move(std::int32_t tick, std::int32_t x, std::int32_t y);

 private:
  bool left_single_press_ = false;  // the held left press may still become a click
};

}  // namespace klumpix
