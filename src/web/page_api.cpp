// What the page's JavaScript calls: the pointer's handler calls, the targets
// the touch assist aims at, and the recording and the state for tests and bug
// reports.
#include <emscripten/emscripten.h>

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

void Deliver(WebSession& s, const PointerCalls& calls) {
  for (int i = 0; i < calls.count; ++i) {
    DeliverInputEvent(s.game, calls.calls[i]);
    if (s.recording_on) s.recording.push_back(calls.calls[i]);
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
  Deliver(s, s.pointer.Move(s.game.tick_count, x, y));
}

// A press of DOM button `button`; `clicks` counts quick presses in a row.
EMSCRIPTEN_KEEPALIVE void klumpix_pointer_down(int button, int clicks, int ctrl) {
  WebSession& s = Session();
  MouseButton b;
  if (ToButton(button, b)) Deliver(s, s.pointer.Press(s.game.tick_count, b, clicks, ctrl != 0));
}

// A release; `over_picture` says whether it happened over the picture.
EMSCRIPTEN_KEEPALIVE void klumpix_pointer_up(int button, int ctrl, int over_picture) {
  WebSession& s = Session();
  MouseButton b;
  if (ToButton(button, b)) {
    Deliver(s, s.pointer.Release(s.game.tick_count, b, ctrl != 0, over_picture != 0));
  }
}

// What the screen acts on now, for the touch assist (see hit_area_ints).
EMSCRIPTEN_KEEPALIVE const std::int32_t* klumpix_hit_areas() {
  FillHitAreas(Session().game, hit_areas);
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
