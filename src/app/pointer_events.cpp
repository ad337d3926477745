#include "app/pointer_events.h"

#include <algorithm>

#include "core/surface.h"

namespace klumpix {

PointerCalls PointerTranslator::Press(std::int32_t tick, MouseButton button, int clicks,
                                      bool ctrl) {
  if (button == MouseButton::kLeft) {
    // Presses alternate between single and double: the third press of a
    // quick run starts a new click, as the second one ends a double click.
    left_single_press_ = clicks % 2 == 1;
  }
  PointerCalls out;
  InputEvent& down = out.calls[out.count++];
  down.tick = tick;
  down.kind = InputKind::kDown;
  down.button = button;
  down.ctrl = ctrl;
  return out;
}

PointerCalls PointerTranslator::Release(std::int32_t tick, MouseButton button, bool ctrl,
                                        bool over_picture) {
  PointerCalls out;
  if (button == MouseButton::kLeft) {
    if (left_single_press_ && over_picture) {
      InputEvent& click = out.calls[out.count++];
      click.tick = tick;
      click.kind = InputKind::kClick;
    }
    left_single_press_ = false;
  }
  InputEvent& up = out.calls[out.count++];
  up.tick = tick;
  up.kind = InputKind::kUp;
  up.button = button;
  up.ctrl = ctrl;
  return out;
}

PointerCalls PointerTranslator::Move(std::int32_t tick, std::int32_t x, std::int32_t y) {
  PointerCalls out;
  InputEvent& move = out.calls[out.count++];
  move.tick = tick;
  move.kind = InputKind::kMove;
  move.x = std::clamp(x, 0, kScreenWidth - 1);
  move.y = std::clamp(y, 0, kScreenHeight - 1);
  return out;
}

}  // namespace klumpix
