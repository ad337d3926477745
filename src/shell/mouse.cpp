#include "shell/mouse.h"

#include "shell/game.h"

namespace klumpix {

void DXDraw1MouseDown(Game& g, MouseButton button, bool ctrl) {
  if (ctrl) {
    // Ctrl + left toggles the sound and is no press at all.
    if (button == MouseButton::kLeft) g.settings.sound_on = !g.settings.sound_on;
    return;
  }
  if (button == MouseButton::kLeft) {
    g.mouse.left_button_down = true;
    g.mouse.left_press_fresh = true;
    g.mouse.left_release_held = false;
  }
  if (button == MouseButton::kRight) {
    g.mouse.right_button_down = true;
    g.mouse.right_press_fresh = true;
    g.mouse.right_release_held = false;
  }
}

void DXDraw1MouseUp(Game& g, MouseButton button) {
  // A quick click, released before any tick saw its press, still counts.
  if (button == MouseButton::kLeft) {
    if (g.mouse.left_press_fresh) {
      g.mouse.left_release_held = true;
    } else {
      g.mouse.left_button_down = false;
    }
  }
  if (button == MouseButton::kRight) {
    if (g.mouse.right_press_fresh) {
      g.mouse.right_release_held = true;
    } else {
      g.mouse.right_button_down = false;
    }
  }
}

void DXDraw1MouseMove(Game& g, int x, int y) {
  g.mouse.mouse_x = x;
  g.mouse.mouse_y = y;
}

void DXDraw1Click(Game& g) {
  g.mouse.clicked = true;
}

void SettlePresses(Game& g) {
  if (g.mouse.left_release_held) g.mouse.left_button_down = false;
  if (g.mouse.right_release_held) g.mouse.right_button_down = false;
  g.mouse.left_press_fresh = g.mouse.right_press_fresh = false;
  g.mouse.left_release_held = g.mouse.right_release_held = false;
}

}  // namespace klumpix
