// What the page's JavaScript calls: the pointer's handler calls, and the
// recording and the state for tests and bug reports.
#include <emscripten/emscripten.h>

#include "app/event_feed.h"
#include "app/state_dump.h"
#include "web/web_session.h"

namespace klumpix {

namespace {

std::unique_ptr<WebSession> session;

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

EMSCRIPTEN_KEEPALIVE int klumpix_tick_count() {
  return Session().game.tick_count;
}

EMSCRIPTEN_KEEPALIVE int klumpix_stopped() {
  return Session().driver->Ended() ? 1 : 0;
}

// The input script of this page so far (empty unless the page records).
EMSCRIPTEN_KEEPALIVE const char* klumpix_recording() {
  WebSession& s = Session();
  s.text = s.recording_on ? FormatInputScript(s.game.seed, s.game.start_values, s.recording, s.winners.at_start) : std::string();
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
