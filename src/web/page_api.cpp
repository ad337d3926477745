// What the page's JavaScript calls: the pointer's handler calls, the targets
// the touch assist aims at, the session the page stores, watching a
// recording, and the recording and the state for tests and bug reports.
#include <emscripten/emscripten.h>

#include "app/best_games.h"
#include "app/event_feed.h"
#include "app/state_dump.h"
#include "screens/hit_areas.h"
#include "web/web_session.h"

namespace klumpix {

namespace {

std::unique_ptr<WebSession> session;

// The hit areas as the page reads them: the count, then per area its kind,
// id, left, top, right, bottom, centre x and centre y.
constexpr int kHitAreaInts = 8;
HitAreas hit_areas;
std::int32_t hit_area_ints[1 + kMaxHitAreas * kHitAreaInts];

// The player's pointer reaches the game only while it is played: not while
// a stored session is caught up with, nor while a recording is watched.
bool Playing(const WebSession& s) {
  return !s.replaying && !s.watch.Active();
}

void Deliver(WebSession& s, const PointerCalls& calls) {
  for (int i = 0; i < calls.count; ++i) {
    DeliverInputEvent(s.game, calls.calls[i]);
    s.recording.push_back(calls.calls[i]);
  }
}

bool ToButton(int dom_button, MouseButton& button) {
  // The DOM numbers the buttons 0 left, 1 middle, 2 right.
  if (dom_button == 0)
    button = MouseButton::kLeft;
  else if (dom_button == 1)
    button = MouseButton::kMiddle;
  else if (dom_button == 2)
    button = MouseButton::kRight;
  else
    return false;
  return true;
}

}  // namespace

WebSession& Session() {
  return *session;
}
void MakeSession() {
  session = std::make_unique<WebSession>();
}

// C names, so the page finds them as Module._klumpix_...
extern "C" {

// The pointer moved to picture pixel (x, y).
EMSCRIPTEN_KEEPALIVE void klumpix_pointer_move(int x, int y) {
  WebSession& s = Session();
  if (Playing(s)) Deliver(s, s.pointer.Move(s.game.tick_count, x, y));
}

// A press of DOM button `button`; `clicks` counts quick presses in a row.
EMSCRIPTEN_KEEPALIVE void klumpix_pointer_down(int button, int clicks, int ctrl) {
  WebSession& s = Session();
  MouseButton b;
  if (Playing(s) && ToButton(button, b)) {
    Deliver(s, s.pointer.Press(s.game.tick_count, b, clicks, ctrl != 0));
  }
}

// A release; `over_picture` says whether it happened over the picture.
// Returns the game type whose kept game a left click on the first place's
// name asks to watch, else 0; the click reaches the game all the same.
EMSCRIPTEN_KEEPALIVE int klumpix_pointer_up(int button, int ctrl, int over_picture) {
  WebSession& s = Session();
  MouseButton b;
  if (!Playing(s) || !ToButton(button, b)) return 0;
  Deliver(s, s.pointer.Release(s.game.tick_count, b, ctrl != 0, over_picture != 0));
  const bool on_name = b == MouseButton::kLeft && over_picture != 0 &&
                       OnFirstWinnerName(s.game, s.game.mouse.mouse_x, s.game.mouse.mouse_y);
  return s.best_games && on_name ? s.game.game_type : 0;
}

// The game whose name entry was last confirmed, once, as JSON ready to
// send to a world table; "" when there is none new.
EMSCRIPTEN_KEEPALIVE const char* klumpix_confirmed_game() {
  WebSession& s = Session();
  s.text.swap(s.confirmed_game);
  s.confirmed_game.clear();
  return s.text.c_str();
}

EMSCRIPTEN_KEEPALIVE int klumpix_game_type() {
  return Session().game.game_type;
}

// What the screen acts on now, for the touch assist (see hit_area_ints).
EMSCRIPTEN_KEEPALIVE const std::int32_t* klumpix_hit_areas() {
  FillHitAreas(Session().game, hit_areas);
  if (!Playing(Session())) hit_areas.count = 0;
  hit_area_ints[0] = hit_areas.count;
  std::int32_t* out = hit_area_ints + 1;
  for (int i = 0; i < hit_areas.count; ++i) {
    const HitArea& a = hit_areas.areas[i];
    const std::int32_t area[kHitAreaInts] = {static_cast<std::int32_t>(a.kind),
                                             a.id,
                                             a.box.left,
                                             a.box.top,
                                             a.box.right,
                                             a.box.bottom,
                                             a.box.centre_x,
                                             a.box.centre_y};
    for (int k = 0; k < kHitAreaInts; ++k) *out++ = area[k];
  }
  return hit_area_ints;
}

EMSCRIPTEN_KEEPALIVE int klumpix_tick_count() {
  return Session().game.tick_count;
}

EMSCRIPTEN_KEEPALIVE int klumpix_stopped() {
  return Session().driver->Ended() ? 1 : 0;
}

// The input script of this page so far (empty unless the page records).
EMSCRIPTEN_KEEPALIVE const char* klumpix_recording() {
  WebSession& s = Session();
  s.text = s.recording_on ? FormatInputScript(s.game.seed, s.game.start_values, s.recording,
                                              s.winners.at_start)
                          : std::string();
  return s.text.c_str();
}

// Whether a reload would lose anything: a game started and not over, or
// its name entry still open. Otherwise the table and the settings, kept as
// files, are all there is.
EMSCRIPTEN_KEEPALIVE int klumpix_game_in_progress() {
  const Game& g = Session().game;
  return (g.game_running && !g.game_over) || g.screen_mode == kModeNameEntry ? 1 : 0;
}

// The session as the page stores it, with every event so far, while a game
// is in progress; empty otherwise and while a stored one is still caught up
// with.
EMSCRIPTEN_KEEPALIVE const char* klumpix_session() {
  WebSession& s = Session();
  s.text =
      klumpix_game_in_progress() != 0 && !s.replaying
          ? FormatInputScript(s.game.seed, s.game.start_values, s.recording, s.winners.at_start)
          : std::string();
  return s.text.c_str();
}

// Whether the session has ended for good: the player quit it.
EMSCRIPTEN_KEEPALIVE int klumpix_quit() {
  return Session().game.quit_requested ? 1 : 0;
}

// Watches the recording the page laid at /watch/recording, named `name` in
// what it says; "" when it opened, else why not.
EMSCRIPTEN_KEEPALIVE const char* klumpix_watch_open(const char* name) {
  WebSession& s = Session();
  std::string error;
  s.text.clear();
  if (s.replaying) {
    s.text = "the game is still being restored";
  } else if (!s.watch.OpenFile("/watch/recording", name, error)) {
    s.text = error;
  } else {
    StartFrameLoop();
  }
  return s.text.c_str();
}

EMSCRIPTEN_KEEPALIVE int klumpix_watching() {
  return Session().watch.Active() ? 1 : 0;
}

// A watcher's key, numbered as WatchKey counts them.
EMSCRIPTEN_KEEPALIVE void klumpix_watch_key(int key) {
  if (key >= 0 && key <= static_cast<int>(WatchKey::kEnd)) {
    Session().watch.Key(static_cast<WatchKey>(key));
  }
}

// A left press at picture pixel (x, y) while watching; 1 when it closed the
// watched game and the player's is shown again.
EMSCRIPTEN_KEEPALIVE int klumpix_watch_press(int x, int y) {
  if (!Session().watch.Press(x, y)) return 0;
  PresentPlayersPicture();
  return 1;
}

// The watched game's state dump, as `--state` writes it; "" when none is.
EMSCRIPTEN_KEEPALIVE const char* klumpix_watch_state() {
  WebSession& s = Session();
  s.text = s.watch.Active() ? StateDumpJson(s.watch.game()) : std::string();
  return s.text.c_str();
}

// The language the game speaks, "de" or "en", for the page around it.
EMSCRIPTEN_KEEPALIVE const char* klumpix_language() {
  return LanguageCode(Session().game.start_values.language);
}

// The state dump, as `--state` writes it.
EMSCRIPTEN_KEEPALIVE const char* klumpix_state() {
  WebSession& s = Session();
  s.text = StateDumpJson(s.game);
  return s.text.c_str();
}

}  // extern "C"

}  // namespace klumpix
