#include "shell/mouse.h"

#include "shell/game.h"

namespace klumpix {

void DXDraw1MouseDown(Game& g, MouseButton button, bool ctrl) {
  if (ctrl) {
    // Ctrl + left toggles the sound and is no press at all.
    if (button == MouseButton::kLeft) g.sound_on = !g.sound_on;
    return;
  }
  if (button == MouseButton::kLeft) g.left_button_down = true;
  if (button == MouseButton::kRight) g.right_button_down = true;
}

void DXDraw1MouseUp(Game& g, MouseButton button) {
  if (button == MouseButton::kLeft) g.left_button_down = false;
  if (button == MouseButton::kRight) g.right_button_down = false;
}

void DXDraw1MouseMove(Game& g, int x, int y) {
  g.mouse_x = x;
  g.mouse_y = y;
}

void DXDraw1Click(Game& g) { g.clicked = true; }

}  // namespace klumpix
