#include "platform/watch_window.h"

#include <SDL.h>

#include <memory>

#include "app/tick_pace.h"
#include "app/watch_controls.h"
#include "platform/tick_log.h"
#include "platform/video.h"
#include "shell/frame.h"

namespace klumpix {

namespace {

// The watcher's keys; false for any other.
bool ToWatchKey(SDL_Keycode code, WatchKey& key) {
  switch (code) {
    case SDLK_SPACE:
      key = WatchKey::kPauseResume;
      return true;
    case SDLK_RIGHT:
      key = WatchKey::kStepOn;
      return true;
    case SDLK_PLUS:
    case SDLK_EQUALS:  // + without Shift on many layouts
    case SDLK_KP_PLUS:
      key = WatchKey::kFaster;
      return true;
    case SDLK_MINUS:
    case SDLK_KP_MINUS:
      key = WatchKey::kSlower;
      return true;
    case SDLK_HOME:
      key = WatchKey::kHome;
      return true;
    case SDLK_END:
      key = WatchKey::kEnd;
      return true;
    default:
      return false;
  }
}

}  // namespace

WatchEnd WatchInWindow(Video& video, const PictureSet& pictures, SoundSink* sound,
                       WatchedGame& watched, const volatile std::sig_atomic_t& stop) {
  // A frame of its own, so the player's last picture is there again after.
  auto frame = std::make_unique<Frame>();
  WatchControls controls(watched);
  TickPace pace;
  TickLog log;
  while (stop == 0) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
      video.ToPicture(event);
      switch (event.type) {
        case SDL_QUIT:
          return WatchEnd::kQuit;
        case SDL_KEYDOWN: {
          video.HandleDisplayKey(event.key);
          WatchKey key;
          if (ToWatchKey(event.key.keysym.sym, key)) controls.Key(key);
          break;
        }
        case SDL_MOUSEBUTTONDOWN:
          if (event.button.button == SDL_BUTTON_LEFT &&
              controls.Press(event.button.x, event.button.y) == WatchAnswer::kClose) {
            return WatchEnd::kClosed;
          }
          break;
        case SDL_WINDOWEVENT:
          if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
              event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
            video.Redraw();
          }
          break;
        default:
          break;
      }
    }
    const double now = static_cast<double>(SDL_GetTicks64());
    if (pace.Due(now, controls.Paused())) controls.Period(sound);
    if (controls.NeedsPicture()) {
      controls.Draw(pictures, *frame);
      video.Present(frame->screen);
      log.Watched(watched.Now(), controls.Speed(), controls.Paused());
    }
    const double wait = pace.NextDue() - static_cast<double>(SDL_GetTicks64());
    if (wait > 0) SDL_WaitEventTimeout(nullptr, static_cast<int>(wait));
  }
  return WatchEnd::kQuit;
}

}  // namespace klumpix
