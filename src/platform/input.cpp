#include "platform/input.h"

#include <SDL.h>

#include "app/event_feed.h"
#include "core/surface.h"
#include "shell/game.h"

namespace klumpix {

namespace {

bool ToGameButton(Uint8 sdl_button, MouseButton& button) {
  if (sdl_button == SDL_BUTTON_LEFT)
    button = MouseButton::kLeft;
  else if (sdl_button == SDL_BUTTON_RIGHT)
    button = MouseButton::kRight;
  else if (sdl_button == SDL_BUTTON_MIDDLE)
    button = MouseButton::kMiddle;
  else
    return false;
  return true;
}

bool OverPicture(int x, int y) {
  return x >= 0 && x < kScreenWidth && y >= 0 && y < kScreenHeight;
}

}  // namespace

void Input::SyncModifiers() {
  ctrl_ = (SDL_GetModState() & KMOD_CTRL) != 0;
}

void Input::Handle(const SDL_Event& event, Game& g) {
  MouseButton button;
  switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      // The modifiers as they were when this key event happened, so a press
      // queued behind it sees the right Ctrl state.
      ctrl_ = (event.key.keysym.mod & KMOD_CTRL) != 0;
      break;
    case SDL_MOUSEMOTION:
      Deliver(translator_.Move(g.tick_count, event.motion.x, event.motion.y), g);
      break;
    case SDL_MOUSEBUTTONDOWN:
      if (ToGameButton(event.button.button, button)) {
        Deliver(translator_.Press(g.tick_count, button, event.button.clicks, ctrl_), g);
      }
      break;
    case SDL_MOUSEBUTTONUP:
      if (ToGameButton(event.button.button, button)) {
        Deliver(translator_.Release(g.tick_count, button, ctrl_,
                                    OverPicture(event.button.x, event.button.y)),
                g);
      }
      break;
    default:
      break;
  }
}

void Input::Deliver(const PointerCalls& calls, Game& g) {
  for (int i = 0; i < calls.count; ++i) {
    DeliverInputEvent(g, calls.calls[i]);
    if (recording_ != nullptr) recording_->push_back(calls.calls[i]);
  }
}

}  // namespace klumpix
