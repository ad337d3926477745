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

#include "app/best_games.h"
#include "app/driver.h"
#include "app/game_sender.h"
#include "app/input_script.h"
#include "app/options.h"
#include "app/recording_stream.h"
#include "app/run_winners.h"
#include "app/settings.h"
#include "app/start_up.h"
#include "app/watched_game.h"
#include "platform/audio.h"
#include "platform/input.h"
#include "platform/tick_log.h"
#include "platform/video.h"
#include "platform/watch_window.h"
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

// Everything a run leaves behind when it ends, however it ends: the
// recording and the player's settings. A run that plays a recording's own
// table keeps no settings either: it is watching, not playing.
struct RunEnd {
  const Options& options;
  RecordingStream& stream;
  const RunWinners& winners;
  const Game& g;
  const std::vector<InputEvent>& recording;
  const std::string& settings_path;
  const Settings& settings;
  Video& video;
};

void SaveAtEnd(const RunEnd& end) {
  end.stream.Flush(end.recording);
  if (end.winners.from_script) return;
  Settings now = CurrentSettings(end.g, end.settings);
  // A window asked for on the command line changes nothing of the kept choice.
  // Both are SDL's own record of the window: no word with the X server.
  if (!end.options.window) now.full_screen = end.video.FullScreen();
  end.video.WindowedSize(now.window_width, now.window_height);
  if (now == end.settings) return;  // nothing to keep that is not kept already
  std::string error;
  if (!SaveSettings(end.settings_path, now, error)) {
    std::fprintf(stderr, "klumpix: settings not kept: %s\n", error.c_str());
  }
}

// The end of the run for a program ended from outside the loop: a lost X
// connection makes Xlib exit at once, and the run still ends as any other.
const RunEnd* end_at_exit = nullptr;
void SaveAtExit() {
  if (end_at_exit != nullptr) SaveAtEnd(*end_at_exit);
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
                 const std::vector<InputEvent>& recording, FirstPlaceNotice& first_place,
                 BestGameKeeper* best_games, GameSender* sender, std::string world)
      : video_(video),
        pictures_(pictures),
        stream_(stream),
        recording_(recording),
        first_place_(first_place),
        best_games_(best_games),
        sender_(world.empty() ? nullptr : sender),
        world_(std::move(world)) {}

  void BeforeTick() override { tick_log_.Tick(); }
  bool WantsPicture(bool) override { return true; }
  void Present(Frame& frame) override { video_.Present(frame.screen); }
  SoundSink* Sound() override { return &sound_; }

  int AfterTick(Game& g, std::int32_t tick) override {
    tick_log_.Presented(g.tick_count);
    std::int32_t type = 0;
    std::string best;
    if (best_games_ != nullptr &&
        best_games_->AfterTick(g, tick, first_place_, recording_, type, best)) {
      KeepBestGame("", type, best);
    }
    FirstPlaceNotice::Entry entry;
    if (sender_ != nullptr && best_games_ != nullptr && first_place_.TakeConfirmedEntry(entry)) {
      sender_->Send(best_games_->Recording(recording_), world_);
    }
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
  FirstPlaceNotice& first_place_;
  BestGameKeeper* best_games_;
  GameSender* sender_;
  std::string world_;
  Uint64 flushed_ms_ = 0;
  bool game_over_ = false;
  MixerSoundSink sound_;
  TickLog tick_log_;
  bool pictures_loaded_ = false;
  bool sound_opened_ = false;
};

// A left button released over the first place's name of the table the
// menu shows, while no game is in progress.
bool ClickOnFirstWinner(const SDL_Event& event, const Game& g) {
  return event.type == SDL_MOUSEBUTTONUP && event.button.button == SDL_BUTTON_LEFT &&
         OnFirstWinnerName(g, event.button.x, event.button.y);
}

// The window as the settings keep it, or as the command line asks; false
// after saying why not.
bool OpenWindow(const Options& options, const Settings& settings, const SdlSession& sdl,
                Video& video) {
  if (!sdl.ok) {
    std::fprintf(stderr, "klumpix: cannot start SDL: %s\n", SDL_GetError());
    return false;
  }
  std::string error;
  if (video.Open(options.window || !settings.full_screen, settings.window_width,
                 settings.window_height, error)) {
    return true;
  }
  std::fprintf(stderr, "klumpix: %s\n", error.c_str());
  return false;
}

// Watches a recording; false after saying why it cannot be.
bool OpenWatchedGame(const InputScript& script, const std::string& name, WatchedGame& watched) {
  std::string error;
  if (watched.Open(script, error)) return true;
  std::fprintf(stderr, "klumpix: %s: %s\n", name.c_str(), error.c_str());
  return false;
}

WatchEnd WatchBestGame(std::int32_t type, Video& video, const PictureSet& pictures,
                       SoundSink* sound) {
  InputScript script;
  if (!LoadBestGame("", type, script)) return WatchEnd::kClosed;
  auto watched = std::make_unique<WatchedGame>();
  if (!OpenWatchedGame(script, BestGamePath("", type), *watched)) return WatchEnd::kClosed;
  return WatchInWindow(video, pictures, sound, *watched, hang_up);
}

// --watch: a recording in the window, and nothing of the player's written.
int RunWatch(const Options& options) {
  InputScript script;
  std::string error;
  auto watched = std::make_unique<WatchedGame>();
  if (!LoadInputScript(options.watch_path, script, error)) {
    std::fprintf(stderr, "klumpix: %s\n", error.c_str());
    return 2;
  }
  if (!OpenWatchedGame(script, options.watch_path, *watched)) return 2;
  const Settings settings = LoadSettings(SettingsPath());
  SdlSession sdl;
  Video video;
  if (!OpenWindow(options, settings, sdl, video)) return 1;
  auto pictures = std::make_unique<PictureSet>();
  if (!LoadGamePictures(*pictures)) return 1;
  MixerSoundSink sound;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) sound.Open();
  std::signal(SIGHUP, OnHangUp);
  WatchInWindow(video, *pictures, &sound, *watched, hang_up);
  return 0;
}

}  // namespace

int RunInteractive(const Options& options, GameSender* sender) {
  if (!options.watch_path.empty()) return RunWatch(options);
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

  SdlSession sdl;
  Video video;
  if (!OpenWindow(options, settings, sdl, video)) return 1;

  // Every event of the session is kept, for --record and for the best games.
  std::vector<InputEvent> recording;
  const RunEnd end{options, stream, winners, *g, recording, settings_path, settings, video};
  end_at_exit = &end;
  std::atexit(SaveAtExit);
  std::signal(SIGHUP, OnHangUp);
  Input input(&recording);
  input.SyncModifiers();
  FirstPlaceNotice first_place(*winners.storage, *g);
  // A run on a recording's own table is not the player's: it keeps nothing.
  std::unique_ptr<BestGameKeeper> best_games;
  if (!winners.from_script) {
    best_games = std::make_unique<BestGameKeeper>(g->seed, g->start_values, winners.at_start);
    g->files.best_games_kept = true;
  }
  WindowPlatform platform(video, *pictures, stream, recording, first_place, best_games.get(),
                          sender, settings.world);
  Driver driver(*g, *frame, *pictures, first_place, platform);
  driver.FeedScript(script.events, &recording);

  // The timer runs only while the window has the input focus.
  bool focused = (SDL_GetWindowFlags(video.Window()) & SDL_WINDOW_INPUT_FOCUS) != 0;
  while (!driver.Ended()) {
    SDL_Event event;
    bool closed = false;
    while (SDL_PollEvent(&event)) {
      video.ToPicture(event);
      if (event.type == SDL_QUIT) closed = true;  // the window's close button, or SIGTERM
      // Keys never reach the game, which is played with the mouse.
      if (event.type == SDL_KEYDOWN) video.HandleDisplayKey(event.key);
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
      if (best_games != nullptr && ClickOnFirstWinner(event, *g)) {
        // The click reached the game as any other; the watched game is shown
        // meanwhile, and the player's game stands still until it closes.
        if (WatchBestGame(g->game_type, video, *pictures, platform.Sound()) == WatchEnd::kQuit) {
          closed = true;
        }
        video.Present(frame->screen);
      }
    }
    if (closed || hang_up != 0) break;

    const bool paused = !focused || !g->timer_enabled;
    const double next_due = driver.Pump(static_cast<double>(SDL_GetTicks64()), paused);
    if (driver.Ended()) break;
    // Sleep until the tick is due or an event arrives, whichever is first.
    const double wait = paused ? kIdleWaitMs : next_due - static_cast<double>(SDL_GetTicks64());
    if (wait > 0) SDL_WaitEventTimeout(nullptr, static_cast<int>(wait));
  }
  end_at_exit = nullptr;
  if (driver.ExitStatus() > 0) {
    stream.Flush(recording);  // what was played so far still replays
    return driver.ExitStatus();
  }
  SaveAtEnd(end);
  return 0;
}

}  // namespace klumpix
