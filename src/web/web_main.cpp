// The browser's entry: the game's start-up, then the shared loop driven from
// the browser's timers and animation frames.
#include <emscripten/eventloop.h>
#include <emscripten/html5.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/driver.h"
#include "app/json_text.h"
#include "app/options.h"
#include "app/settings.h"
#include "app/start_up.h"
#include "tick/tick.h"
#include "web/page_bridge.h"
#include "web/web_pictures.h"
#include "web/web_resume.h"
#include "web/web_session.h"

namespace klumpix {

namespace {

static_assert(kPictureSteps <= kStartUpTick, "the pictures are ready for the start-up tick");

// The page has no moment of quitting: the settings are written whenever the
// buttons have changed them, and the page stores the file after the tick.
void KeepSettings(WebSession& s) {
  const Settings now = CurrentSettings(s.game, s.kept_settings);
  if (now.start == s.kept_settings.start) return;
  s.kept_settings = now;
  std::string error;
  if (!SaveSettings(kPageSettingsPath, now, error))
    std::fprintf(stderr, "klumpix: %s\n", error.c_str());
}

// The page's share of the loop: the canvas, Web Audio, the stored files and
// the pictures painted in the pauses between the first black ticks. While a
// stored session is replayed nothing is shown, heard or stored: all of that
// happened before the page was loaded again.
class PagePlatform : public RunPlatform {
 public:
  explicit PagePlatform(WebSession& s) : s_(s) {}

  bool WantsPicture(bool) override { return !s_.replaying; }

  // Converts only the pixels that changed since the last picture, looked for
  // in the cells the frame says may have changed since it was last shown
  // (all of them when the picture shown was another frame's); the rest of
  // `rgba` still holds them. The canvas takes only the rows around them, and
  // nothing when nothing changed.
  void Present(Frame& frame) override {
    const std::uint16_t* pixels = frame.screen.pixels;
    const bool first = s_.presented_from == nullptr;  // `rgba` holds nothing yet
    int left = kScreenWidth, top = kScreenHeight, right = 0, bottom = 0;
    const auto convert = [&](Rect area) {
      for (int y = area.top; y < area.bottom; ++y) {
        const int from = y * kScreenWidth + area.left;
        const int width = area.right - area.left;
        if (!first &&
            std::memcmp(pixels + from, s_.presented + from, sizeof(std::uint16_t) * width) == 0) {
          continue;
        }
        left = std::min(left, area.left);
        right = std::max(right, area.right);
        top = std::min(top, y);
        bottom = std::max(bottom, y + 1);
        for (int k = from; k < from + width; ++k) {
          const Rgb888 c = ExpandRgb565(pixels[k]);
          std::uint8_t* out = s_.rgba + 4 * k;
          out[0] = c.r;
          out[1] = c.g;
          out[2] = c.b;
          out[3] = 255;
        }
        std::memcpy(s_.presented + from, pixels + from, sizeof(std::uint16_t) * width);
      }
    };
    if (s_.presented_from == &frame) {
      frame.drawing.Changed().ForEachIn(kWholeScreen, convert);
    } else {
      convert(kWholeScreen);
    }
    s_.presented_from = &frame;
    frame.drawing.Shown();
    if (right > left) PagePresent(s_.rgba, left, top, right, bottom);
  }

  SoundSink* Sound() override { return s_.replaying ? nullptr : &s_.sound; }

  int AfterTick(Game& g, std::int32_t tick) override {
    KeepFirstPlaces(g, tick);
    if (s_.picture_step < kPictureSteps) {
      // Needed by the start-up tick: the last step follows the tick before it.
      if (!PaintPictureStep(s_.picture_step++, s_.pictures)) {
        PageShowMessage("klumpix: the pictures could not be made (see the console).");
        return 1;
      }
    }
    if (g.quit_requested) PageShowMessage("klumpix has ended. Reload the page to play again.");
    if (s_.replaying) return -1;
    if (g.tick_count > kStartUpTick) KeepSettings(s_);
    const bool first_picture = g.tick_count > kStartUpTick && !s_.told_first_picture;
    s_.told_first_picture = s_.told_first_picture || first_picture;
    PageAfterTick(first_picture);
    return -1;
  }

 private:
  // Follows every tick, the replayed ones too, so that a game that began
  // before a reload is kept from its own start.
  void KeepFirstPlaces(const Game& g, std::int32_t tick) {
    if (!s_.best_games) return;
    FirstPlaceNotice& notice = s_.replaying ? *s_.replay_first_place : *s_.first_place;
    std::int32_t type = 0;
    std::string text;
    // A first place the replay comes by was kept when it was played.
    if (s_.best_games->AfterTick(g, tick, notice, s_.recording, type, text) && !s_.replaying) {
      PageKeepBestGame(type, text.c_str());
    }
    FirstPlaceNotice::Entry entry;
    if (notice.TakeConfirmedEntry(entry) && !s_.replaying) {
      s_.confirmed_game = ScoreSubmissionJson(entry.name, entry.type, entry.score,
                                              s_.best_games->Recording(s_.recording));
    }
  }

  WebSession& s_;
};

PagePlatform* platform = nullptr;
bool frame_loop_running = false;

void PlayFrame(double now_ms);

EM_BOOL AnimationFrame(double now_ms, void*) {
  PlayFrame(now_ms);
  return EM_FALSE;
}

void TimerFrame(void*) {
  PlayFrame(emscripten_get_now());
}

void RequestFrame(void*) {
  emscripten_request_animation_frame(AnimationFrame, nullptr);
}

// A frame for each tick rather than one for every frame of the display. Where
// the canvas is painted on a thread of its own, a timer alone wakes the page
// when a tick is due and the painter's thread meets the display; the page's
// main thread then takes no part in the browser's frames. Otherwise the page
// sleeps on a timer until the tick is due and then waits for the display's
// next frame, so a tick still lands in step with the display.
void ScheduleFrame(double wait_ms) {
  if (PagePaintsOffThread()) {
    emscripten_set_timeout(TimerFrame, wait_ms > 0 ? wait_ms : 0, nullptr);
  } else if (wait_ms > 1) {
    emscripten_set_timeout(RequestFrame, wait_ms, nullptr);
  } else {
    RequestFrame(nullptr);
  }
}

// A watched recording at its fastest takes a tick a frame of a 60 Hz display.
constexpr double kWatchFrameMs = 1000.0 / 60;

void PlayFrame(double now_ms) {
  WebSession& s = Session();
  if (s.watch.Active()) {
    // The player's game stands still meanwhile; its picture comes back when
    // the watching ends (page_api.cpp).
    if (Frame* frame = s.watch.Pump(now_ms, PagePaused(), &s.sound, s.pictures)) {
      platform->Present(*frame);
    }
    ScheduleFrame(PagePaintsOffThread() ? kWatchFrameMs : 0);
    return;
  }
  const double next_ms = s.driver->Pump(now_ms, PagePaused());
  if (s.driver->Ended()) {
    frame_loop_running = false;
    return;
  }
  ScheduleFrame(next_ms - emscripten_get_now());
}

// The stored session is caught up with in slices between the browser's own
// work, on timers rather than animation frames: a page loaded in the
// background gets no frames, and its game is to be where it was all the same.
void ReplaySlice(void*) {
  WebSession& s = Session();
  ContinueReplay(s, *platform);
  if (s.replaying && !s.driver->Ended()) {
    emscripten_set_timeout(ReplaySlice, 0, nullptr);
  } else {
    StartFrameLoop();
  }
}

}  // namespace

void StartFrameLoop() {
  if (frame_loop_running) return;
  frame_loop_running = true;
  ScheduleFrame(0);
}

void PresentPlayersPicture() {
  if (Session().presented_from != nullptr) platform->Present(Session().frame);
}

}  // namespace klumpix

int main(int argc, char** argv) {
  using namespace klumpix;
  Options options;
  std::string error;
  if (!ParseOptions(argc, argv, options, error, OptionSource::kPage)) {
    PageShowMessage(("klumpix: " + error).c_str());
    return 2;
  }
  MakeSession();
  WebSession& s = Session();
  s.recording_on = options.record;
  s.kept_settings = LoadSettings(kPageSettingsPath);
  // ?lang= is this visit's language only: the kept settings' own stays.
  if (options.has_language) s.kept_settings.start.language = options.language;
  static PagePlatform page_platform(s);
  platform = &page_platform;

  // The page hands over a stored session only to a visit without ?seed,
  // ?ticks or ?lang, which each ask for a game of their own.
  InputScript stored;
  const std::int32_t stored_tick = PageStoredSessionTick();
  const bool resume = LoadStoredSession(stored_tick, stored, error);
  if (!error.empty()) PageDropStoredSession(("klumpix: " + error).c_str());
  if (resume) {
    BeginReplay(s, std::move(stored), stored_tick, page_platform);
  } else {
    StartGame(s.game, ChooseSeed(options, InputScript{}), s.kept_settings.start);
    s.winners = OpenRunWinners(InputScript{}, kPageWinnersPath);
  }
  s.game.files.kept_in_browser = true;
  s.first_place.emplace(*s.winners.storage, s.game);
  if (PageKeepsGames()) {
    s.best_games.emplace(s.game.seed, s.game.start_values, s.winners.at_start);
    s.game.files.best_games_kept = true;
  }
  s.sound.Open();
  if (!resume) {
    s.driver.emplace(s.game, s.frame, s.pictures, *s.first_place, page_platform);
    if (options.has_ticks) s.driver->StopAt(options.ticks);
  }
  if (resume) {
    ReplaySlice(nullptr);
  } else {
    StartFrameLoop();
  }
  return 0;
}
