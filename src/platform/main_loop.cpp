#include "platform/main_loop.h"

#include <SDL.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "app/driver.h"
#include "app/input_script.h"
#include "app/options.h"
#include "app/recording_stream.h"
#include "app/run_winners.h"
#include "app/settings.h"
#include "app/start_up.h"
#include "platform/audio.h"
#include "platform/input.h"
#include "platform/tick_log.h"
#include "platform/video.h"
#include "shell/assets.h"
#include "shell/frame.h"
#include "shell/game.h"
#include "tick/tick.h"

namespace klumpix {

namespace {

constexpr Uint32 kIdleWaitMs = 100;  // how long to sleep while paused

constexpr Uint64 kFlushMs = 1000;  // the recording is at most this far behind

// SIGHUP (the terminal went away) ends the game as SIGTERM does; SDL turns
// only SIGINT and SIGTERM into its quit event.
volatile std::sig_atomic_t hang_up = 0;
void OnHangUp(int) {
  hang_up = 1;
}

// The recording and its events, for the last flush when the program is ended
// from outside the loop (the X connection lost: Xlib exits at once).
RecordingStream* stream_at_exit = nullptr;
const std::vector<InputEvent>* events_at_exit = nullptr;
void FlushAtExit() {
  if (stream_at_exit != nullptr) stream_at_exit->Flush(*events_at_exit);
}

// Everything a run leaves behind when it ends, however it ends: the
// recording and the player's settings. A run that plays a recording's own
// table keeps no settings either: it is watching, not playing.
void SaveAtEnd(const Options& options, RecordingStream& stream, const RunWinners& winners,
               const Game& g, const std::vector<InputEvent>& recording,
               const std::string& settings_path, const Settings& settings, Video& video) {
  stream.Flush(recording);
  if (winners.from_script) return;
  Settings now = CurrentSettings(g, settings);
  // A window asked for on the command line changes nothing of the kept choice.
  if (!options.window) now.full_screen = video.FullScreen();
  video.WindowedSize(now.window_width, now.window_height);
  if (now == settings) return;  // nothing to keep that is not kept already
  std::string error;
  if (!SaveSettings(settings_path, now, error)) {
    std::fprintf(stderr, "klumpix: settings not kept: %s\n", error.c_str());
  }
}

// F11 and Alt+Enter switch between full screen and the window; Esc leaves
// full screen. Keys never reach the game, which is played with the mouse.
void HandleDisplayKey(const SDL_KeyboardEvent& key, Video& video) {
  if (key.repeat != 0) return;
  const SDL_Keycode code = key.keysym.sym;
  const bool alt_enter =
      (code == SDLK_RETURN || code == SDLK_KP_ENTER) && (key.keysym.mod & KMOD_ALT);
  if (code == SDLK_F11 || alt_enter) video.SetFullScreen(!video.FullScreen());
  if (code == SDLK_ESCAPE) video.SetFullScreen(false);
}

// Where this run keeps its files, shortened for the info page.
void ShowFilePlaces(Game& g, const std::string& winners_path, const std::string& settings_path) {
  constexpr std::size_t kWidth = 34;  // with the leading " ," as wide as the longest line
  std::error_code ec;
  const std::filesystem::path winners = std::filesystem::absolute(winners_path, ec);
  g.files.info_winners_place.Assign(
      InfoPlace(ec ? winners_path : winners.string(), kWidth).c_str());
  g.files.info_settings_place.Assign(
      settings_path.empty() ? "KEINE" : InfoPlace(settings_path, kWidth).c_str());
}

// Owns SDL from start to end of the run, so every exit path shuts it down.
struct SdlSession {
  bool ok = SDL_Init(SDL_INIT_VIDEO) == 0;
  ~SdlSession() { SDL_Quit(); }
};

// The window's share of the loop: presenting, the mixer, and the pictures
// and the sound device made ready in the pauses between the first black
// ticks, one after the other, so the window shows at once and the black
// ticks keep their pace.
class WindowPlatform : public RunPlatform {
 public:
  WindowPlatform(Video& video, PictureSet& pictures, RecordingStream& stream,
                 const std::vector<InputEvent>& recording)
      : video_(video), pictures_(pictures), stream_(stream), recording_(recording) {}

  void BeforeTick() override { tick_log_.Tick(); }
  bool WantsPicture(bool) override { return true; }
  void Present(const Frame& frame) override { video_.Present(frame.screen); }
  SoundSink* Sound() override { return &sound_; }

  int AfterTick(Game& g, std::int32_t) override {
    tick_log_.Presented(g.tick_count);
    // The recording is flushed once a second and when a game ends.
    const Uint64 now = SDL_GetTicks64();
    if (now - flushed_ms_ >= kFlushMs || (g.game_over && !game_over_) || g.quit_requested) {
      stream_.Flush(recording_);
      flushed_ms_ = now;
    }
    game_over_ = g.game_over;
    if (!pictures_loaded_) {
      pictures_loaded_ = true;
      if (!LoadGamePictures(pictures_)) return 1;
    } else if (!sound_opened_) {
      sound_opened_ = true;
      if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        sound_.Open();
      } else {
        std::fprintf(stderr, "klumpix: no sound: %s\n", SDL_GetError());
      }
    }
    return -1;
  }

 private:
  Video& video_;
  PictureSet& pictures_;
  RecordingStream& stream_;
  const std::vector<InputEvent>& recording_;
  Uint64 flushed_ms_ = 0;
  bool game_over_ = false;
  MixerSoundSink sound_;
  TickLog tick_log_;
  bool pictures_loaded_ = false;
  bool sound_opened_ = false;
};

}  // namespace

int RunInteractive(const Options& options) {
  InputScript script;
  auto g = std::make_unique<Game>();
  auto frame = std::make_unique<Frame>();
  auto pictures = std::make_unique<PictureSet>();
  const std::string settings_path = SettingsPath();
  const Settings settings = LoadSettings(settings_path);
  if (const int status = PrepareRun(options, script, *g, settings.start); status != 0) {
    return status;
  }
  const std::string winners_path = "groar.dat";
  RunWinners winners = OpenRunWinners(script, winners_path);
  ShowFilePlaces(*g, winners_path, settings_path);
  // The recording is made before the window opens, so a place that cannot
  // take it stops the run at once.
  RecordingStream stream;
  if (options.record) {
    std::string why;
    if (!stream.Open(options.record_path, g->seed, g->start_values, winners.at_start, why)) {
      std::fprintf(stderr, "klumpix: %s\n", why.c_str());
      return 2;
    }
  }

  std::string error;
  SdlSession sdl;
  if (!sdl.ok) {
    std::fprintf(stderr, "klumpix: cannot start SDL: %s\n", SDL_GetError());
    return 1;
  }
  Video video;
  if (!video.Open(options.window || !settings.full_screen, settings.window_width,
                  settings.window_height, error)) {
    std::fprintf(stderr, "klumpix: %s\n", error.c_str());
    return 1;
  }

  std::vector<InputEvent> recording;
  std::vector<InputEvent>* kept = options.record ? &recording : nullptr;
  stream_at_exit = &stream;
  events_at_exit = &recording;
  std::atexit(FlushAtExit);
  std::signal(SIGHUP, OnHangUp);
  Input input(kept);
  input.SyncModifiers();
  WindowPlatform platform(video, *pictures, stream, recording);
  Driver driver(*g, *frame, *pictures, *winners.storage, platform);
  driver.FeedScript(script.events, kept);

  // The timer runs only while the window has the input focus.
  bool focused = (SDL_GetWindowFlags(video.Window()) & SDL_WINDOW_INPUT_FOCUS) != 0;
  while (!driver.Ended()) {
    SDL_Event event;
    bool closed = false;
    while (SDL_PollEvent(&event)) {
      if (event.type == SDL_QUIT) closed = true;  // the window's close button, or SIGTERM
      if (event.type == SDL_KEYDOWN) HandleDisplayKey(event.key, video);
      if (event.type == SDL_WINDOWEVENT) {
        switch (event.window.event) {
          case SDL_WINDOWEVENT_FOCUS_GAINED:
            focused = true;
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
    if (closed || hang_up != 0) break;

    const bool paused = !focused || !g->timer_enabled;
    const double next_due = driver.Pump(static_cast<double>(SDL_GetTicks64()), paused);
    if (driver.Ended()) break;
    // Sleep until the tick is due or an event arrives, whichever is first.
    const double wait = paused ? kIdleWaitMs : next_due - static_cast<double>(SDL_GetTicks64());
    if (wait > 0) SDL_WaitEventTimeout(nullptr, static_cast<int>(wait));
  }
  stream_at_exit = nullptr;
  if (driver.ExitStatus() > 0) {
    stream.Flush(recording);  // what was played so far still replays
    return driver.ExitStatus();
  }
  SaveAtEnd(options, stream, winners, *g, recording, settings_path, settings, video);
  return 0;
}

}  // namespace klumpix
