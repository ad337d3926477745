#include "platform/main_loop.h"

#include <SDL.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/event_feed.h"
#include "app/input_script.h"
#include "app/options.h"
#include "app/start_up.h"
#include "platform/audio.h"
#include "platform/input.h"
#include "platform/tick_log.h"
#include "platform/video.h"
#include "shell/assets.h"
#include "shell/game.h"
#include "tick/tick.h"

namespace klumpix {

namespace {

constexpr Uint64 kTickMs = 33;
constexpr Uint32 kIdleWaitMs = 100;  // how long to sleep while paused

// Writes the --record script; called however the run ends.
void SaveRecording(const Options& options, std::uint64_t seed,
                   const std::vector<InputEvent>& recording) {
  if (options.record_path.empty()) return;
  const std::string text = FormatInputScript(seed, recording);
  std::string error;
  if (!WriteWholeFile(options.record_path, text.data(), text.size(), error)) {
    std::fprintf(stderr, "klumpix: %s\n", error.c_str());
  }
}

// Owns SDL from start to end of the run, so every exit path shuts it down.
struct SdlSession {
  bool ok = SDL_Init(SDL_INIT_VIDEO) == 0;
  ~SdlSession() { SDL_Quit(); }
};

}  // namespace

int RunInteractive(const Options& options) {
  InputScript script;
  auto g = std::make_unique<Game>();
  auto pictures = std::make_unique<PictureSet>();
  if (const int status = PrepareRun(options, script, *g); status != 0) return status;

  std::string error;
  SdlSession sdl;
  if (!sdl.ok) {
    std::fprintf(stderr, "klumpix: cannot start SDL: %s\n", SDL_GetError());
    return 1;
  }
  Video video;
  if (!video.Open(options.window, error)) {
    std::fprintf(stderr, "klumpix: %s\n", error.c_str());
    return 1;
  }
  MixerSoundSink sound;
  // The pictures and the sound device are made ready in the pauses between
  // the first black ticks, one after the other, so the window shows at once
  // and the black ticks keep their pace.
  bool pictures_loaded = false;
  bool sound_opened = false;

  std::vector<InputEvent> recording;
  Input input(options.record_path.empty() ? nullptr : &recording);
  input.SyncModifiers();
  EventFeed feed(script.events);
  std::vector<InputEvent>* feed_recording = options.record_path.empty() ? nullptr : &recording;

  // The timer runs only while the window has the input focus.
  bool focused = (SDL_GetWindowFlags(video.Window()) & SDL_WINDOW_INPUT_FOCUS) != 0;
  TickLog tick_log;
  Uint64 next_due = SDL_GetTicks64();
  for (;;) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
      if (event.type == SDL_QUIT) {
        SaveRecording(options, g->seed, recording);
        return 0;
      }
      if (event.type == SDL_WINDOWEVENT) {
        switch (event.window.event) {
          case SDL_WINDOWEVENT_FOCUS_GAINED:
            focused = true;
            next_due = SDL_GetTicks64();  // a pause is not made up for
            input.SyncModifiers();
            break;
          case SDL_WINDOWEVENT_FOCUS_LOST:
            focused = false;
            break;
          case SDL_WINDOWEVENT_EXPOSED:
          case SDL_WINDOWEVENT_SIZE_CHANGED:
            video.Redraw();
            break;
          default:
            break;
        }
        continue;
      }
      input.Handle(event, *g);
    }

    const Uint64 now = SDL_GetTicks64();
    if (!focused || !g->timer_enabled) {
      SDL_WaitEventTimeout(nullptr, kIdleWaitMs);
      continue;
    }
    if (now < next_due) {
      // Sleep until the tick is due or an event arrives, whichever is first.
      SDL_WaitEventTimeout(nullptr, static_cast<int>(next_due - now));
      continue;
    }
    tick_log.Tick();
    feed.DeliverDue(*g, feed_recording);
    DXTimer1Timer(*g, sound);
    video.Present(g->screen);
    tick_log.Presented(g->tick_count);
    if (!pictures_loaded) {
      pictures_loaded = true;
      if (!LoadGamePictures(*g, *pictures)) return 1;
    } else if (!sound_opened) {
      sound_opened = true;
      if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        sound.Open();
      } else {
        std::fprintf(stderr, "klumpix: no sound: %s\n", SDL_GetError());
      }
    }
    if (g->quit_requested) {
      SaveRecording(options, g->seed, recording);
      return 0;
    }
    // One tick per period and no catching up: a slow machine slows the game.
    next_due += kTickMs;
    const Uint64 after = SDL_GetTicks64();
    if (after > next_due) next_due = after;
  }
}

}  // namespace klumpix
