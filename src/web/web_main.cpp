// The browser's entry: the game's start-up, then the shared loop driven from
// the browser's animation frames.
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

  // Converts only the pixels that changed since the last picture, eight at a
  // time (compared as two 64-bit words: a call to memcmp for each eight
  // costs more than the rest of the picture); the rest of `rgba` still holds
  // them. The canvas takes only the rectangle around them, and nothing when
  // nothing changed.
  void Present(const Frame& frame) override {
    const std::uint16_t* pixels = frame.screen.pixels;
    constexpr int kGroup = 8;
    const auto same = [&](int i) {
      std::uint64_t now[2], was[2];
      std::memcpy(now, pixels + i, sizeof now);
      std::memcpy(was, s_.presented + i, sizeof was);
      return ((now[0] ^ was[0]) | (now[1] ^ was[1])) == 0;
    };
    int left = kScreenWidth, top = kScreenHeight, right = 0, bottom = 0;
    for (int i = 0; i < kScreenWidth * kScreenHeight; i += kGroup) {
      if (s_.presented_once && same(i)) continue;
      const int x = i % kScreenWidth, y = i / kScreenWidth;
      left = std::min(left, x);
      right = std::max(right, x + kGroup);
      top = std::min(top, y);
      bottom = y + 1;
      for (int k = i; k < i + kGroup; ++k) {
        const Rgb888 c = ExpandRgb565(pixels[k]);
        std::uint8_t* out = s_.rgba + 4 * k;
        out[0] = c.r;
        out[1] = c.g;
        out[2] = c.b;
        out[3] = 255;
      }
      std::memcpy(s_.presented + i, pixels + i, sizeof(std::uint16_t) * kGroup);
    }
    s_.presented_once = true;
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

EM_BOOL AnimationFrame(double now_ms, void*);

void RequestFrame(void*) {
  emscripten_request_animation_frame(AnimationFrame, nullptr);
}

// One animation frame for each tick rather than one for every frame of the
// display: the page sleeps on a timer until the next tick is due and then
// waits for the display's next frame, so a tick still lands in step with the
// display, and the browser is not woken twice a tick for nothing.
EM_BOOL AnimationFrame(double now_ms, void*) {
  WebSession& s = Session();
  if (s.watch.Active()) {
    // The player's game stands still meanwhile; its picture comes back when
    // the watching ends (page_api.cpp). Watching fast takes every frame.
    if (const Frame* frame = s.watch.Pump(now_ms, PagePaused(), &s.sound, s.pictures)) {
      platform->Present(*frame);
    }
    RequestFrame(nullptr);
    return EM_FALSE;
  }
  const double next_ms = s.driver->Pump(now_ms, PagePaused());
  if (s.driver->Ended()) {
    frame_loop_running = false;
    return EM_FALSE;
  }
  const double wait_ms = next_ms - emscripten_get_now();
  if (wait_ms > 1) {
    emscripten_set_timeout(RequestFrame, wait_ms, nullptr);
  } else {
    RequestFrame(nullptr);
  }
  return EM_FALSE;
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
  RequestFrame(nullptr);
}

void PresentPlayersPicture() {
  if (Session().presented_once) platform->Present(Session().frame);
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
