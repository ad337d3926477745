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
    g.left_button_down = true;
    g.left_press_fresh = true;
    g.left_release_held = false;
  }
  if (button == MouseButton::kRight) {
    g.right_button_down = true;
    g.right_press_fresh = true;
    g.right_release_held = false;
  }
}

void DXDraw1MouseUp(Game& g, MouseButton button) {
  // A quick click, released before any tick saw its press, still counts.
  if (button == MouseButton::kLeft) {
    if (g.left_press_fresh) {
      g.left_release_held = true;
    } else {
      g.left_button_down = false;
    }
  }
  if (button == MouseButton::kRight) {
    if (g.right_press_fresh) {
      g.right_release_held = true;
    } else {
      g.right_button_down = false;
    }
  }
}

void DXDraw1MouseMove(Game& g, int x, int y) {
  g.mouse_x = x;
  g.mouse_y = y;
}

void DXDraw1Click(Game& g) {
  g.clicked = true;
}

void SettlePresses(Game& g) {
  if (g.left_release_held) g.left_button_down = false;
  if (g.right_release_held) g.right_button_down = false;
  g.left_press_fresh = g.right_press_fresh = false;
  g.left_release_held = g.right_release_held = false;
}

}  // namespace klumpix
