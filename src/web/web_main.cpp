// The browser's entry: the game's start-up, then the shared loop driven from
// the browser's animation frames.
#include <emscripten/html5.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/driver.h"
#include "app/options.h"
#include "app/settings.h"
#include "app/start_up.h"
#include "tick/tick.h"
#include "web/page_bridge.h"
#include "web/web_pictures.h"
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
// the pictures painted in the pauses between the first black ticks.
class PagePlatform : public RunPlatform {
 public:
  explicit PagePlatform(WebSession& s) : s_(s) {}

  bool WantsPicture(bool) override { return true; }

  // Converts only the pixels that changed since the last picture, eight at a
  // time; the rest of `rgba` still holds them.
  void Present(const Frame& frame) override {
    const std::uint16_t* pixels = frame.screen.pixels;
    constexpr int kGroup = 8;
    for (int i = 0; i < kScreenWidth * kScreenHeight; i += kGroup) {
      if (s_.presented_once &&
          std::memcmp(pixels + i, s_.presented + i, sizeof(std::uint16_t) * kGroup) == 0) {
        continue;
      }
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
    PagePresent(s_.rgba);
  }

  SoundSink* Sound() override { return &s_.sound; }

  int AfterTick(Game& g, std::int32_t) override {
    if (g.tick_count > kStartUpTick) KeepSettings(s_);
    PageAfterTick(g.tick_count == kStartUpTick + 1);
    if (s_.picture_step < kPictureSteps) {
      // Needed by the start-up tick: the last step follows the tick before it.
      if (!PaintPictureStep(s_.picture_step++, s_.pictures)) {
        PageShowMessage("klumpix: the pictures could not be made (see the console).");
        return 1;
      }
    }
    if (g.quit_requested) PageShowMessage("klumpix has ended. Reload the page to play again.");
    return -1;
  }

 private:
  WebSession& s_;
};

EM_BOOL AnimationFrame(double now_ms, void*) {
  WebSession& s = Session();
  s.driver->Pump(now_ms, PagePaused());
  return s.driver->Ended() ? EM_FALSE : EM_TRUE;
}

}  // namespace

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
  StartGame(s.game, ChooseSeed(options, InputScript{}), s.kept_settings.start);
  s.game.files.kept_in_browser = true;
  s.sound.Open();
  static PagePlatform platform(s);
  s.winners = OpenRunWinners(InputScript{}, kPageWinnersPath);
  s.driver.emplace(s.game, s.frame, s.pictures, *s.winners.storage, platform);
  if (options.has_ticks) s.driver->StopAt(options.ticks);
  if (!s.driver->Ended()) emscripten_request_animation_frame_loop(AnimationFrame, nullptr);
  return 0;
}
