// The browser's entry: the game's start-up, then one tick every 33 ms, driven
// from the browser's animation frames.
#include <emscripten/html5.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/options.h"
#include "app/settings.h"
#include "app/start_up.h"
#include "tick/tick.h"
#include "web/page_bridge.h"
#include "web/web_pictures.h"
#include "web/web_session.h"

namespace klumpix {

namespace {

constexpr double kTickMs = 33;
static_assert(kPictureSteps <= kStartUpTick, "the pictures are ready for the start-up tick");

// Where the page keeps the files it stores (web/klumpix_page.js fills the
// folder from the browser's storage before main() runs; without storage the
// folder is absent and saving fails on screen, as on a read-only disk).
constexpr const char* kWinnersPath = "/data/groar.dat";
constexpr const char* kSettingsPath = "/data/settings";

// The page's options, as web/klumpix_page.js passes them from the query:
// --seed N, --record, --ticks N (stop before the tick with count N),
// --language de|en.
bool ReadArguments(int argc, char** argv, WebSession& s, std::uint64_t& seed, bool& has_seed) {
  for (int i = 1; i < argc; ++i) {
    const bool has_value = i + 1 < argc;
    if (std::strcmp(argv[i], "--record") == 0) {
      s.recording_on = true;
    } else if (std::strcmp(argv[i], "--seed") == 0 && has_value) {
      seed = std::strtoull(argv[++i], nullptr, 10);
      has_seed = true;
    } else if (std::strcmp(argv[i], "--ticks") == 0 && has_value) {
      s.stop_tick = static_cast<std::int32_t>(std::atoi(argv[++i]));
    } else if (std::strcmp(argv[i], "--language") == 0 && has_value &&
               ParseLanguageCode(argv[i + 1], s.kept_settings.start.language)) {
      ++i;  // this page's language, not kept: the settings' own stays as it was
    } else {
      std::fprintf(stderr, "klumpix: unknown page option %s\n", argv[i]);
      return false;
    }
  }
  return true;
}

void Present(WebSession& s) {
  const std::uint16_t* pixels = s.game.screen.pixels;
  for (int i = 0; i < kScreenWidth * kScreenHeight; ++i) {
    const Rgb888 c = ExpandRgb565(pixels[i]);
    std::uint8_t* out = s.rgba + 4 * i;
    out[0] = c.r;
    out[1] = c.g;
    out[2] = c.b;
    out[3] = 255;
  }
  PagePresent(s.rgba);
}

// The page has no moment of quitting: the settings are written whenever the
// buttons have changed them, and the page stores the file after the tick.
void KeepSettings(WebSession& s) {
  const Settings now = CurrentSettings(s.game, s.kept_settings);
  if (now.start == s.kept_settings.start) return;
  s.kept_settings = now;
  std::string error;
  if (!SaveSettings(kSettingsPath, now, error))
    std::fprintf(stderr, "klumpix: %s\n", error.c_str());
}

bool AtStop(const WebSession& s) {
  return s.stop_tick >= 0 && s.game.tick_count >= s.stop_tick;
}

// One animation frame: a tick when one is due. A pause or a slow machine is
// not made up for.
EM_BOOL Frame(double now_ms, void*) {
  WebSession& s = Session();
  Game& g = s.game;
  if (PagePaused() || !g.timer_enabled) {
    s.next_due_ms = now_ms;
    return EM_TRUE;
  }
  if (now_ms < s.next_due_ms) return EM_TRUE;
  DXTimer1Timer(g, s.sound);
  if (g.tick_count > kStartUpTick) KeepSettings(s);
  Present(s);
  PageAfterTick(g.tick_count == kStartUpTick + 1);
  if (s.picture_step < kPictureSteps) {
    // Needed by the start-up tick: the last step follows the tick before it.
    if (!PaintPictureStep(s.picture_step++, g, s.pictures)) {
      PageShowMessage("klumpix: the pictures could not be made (see the console).");
      return EM_FALSE;
    }
  }
  if (g.quit_requested) {
    PageShowMessage("klumpix has ended. Reload the page to play again.");
    return EM_FALSE;
  }
  if (AtStop(s)) {
    s.stopped = true;
    return EM_FALSE;
  }
  s.next_due_ms += kTickMs;
  if (now_ms > s.next_due_ms) s.next_due_ms = now_ms;
  return EM_TRUE;
}

}  // namespace

}  // namespace klumpix

int main(int argc, char** argv) {
  using namespace klumpix;
  MakeSession();
  WebSession& s = Session();
  std::uint64_t seed = 0;
  bool has_seed = false;
  s.kept_settings = LoadSettings(kSettingsPath);
  if (!ReadArguments(argc, argv, s, seed, has_seed)) {
    PageShowMessage("klumpix: unknown page option (see the console).");
    return 2;
  }
  Options options;
  options.has_seed = has_seed;
  options.seed = seed;
  StartGame(s.game, ChooseSeed(options, InputScript{}), s.kept_settings.start);
  std::snprintf(s.game.files.winners_path, sizeof s.game.files.winners_path, "%s", kWinnersPath);
  s.game.files.kept_in_browser = true;
  s.sound.Open();
  s.stopped = AtStop(s);
  if (!s.stopped) emscripten_request_animation_frame_loop(Frame, nullptr);
  return 0;
}
