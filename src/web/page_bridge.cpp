#include "web/page_bridge.h"

#include <emscripten/emscripten.h>

// The page's side of each call is a function of `Module.klumpix`, set up by
// web/klumpix_page.js before the module starts.
EM_JS(void, JsPresent, (const void* rgba, int left, int top, int right, int bottom),
      { Module.klumpix.present(rgba, left, top, right, bottom); });
EM_JS(void, JsLoadSound, (int id, const void* wav, int size),
      { Module.klumpix.loadSound(id, wav, size); });
EM_JS(void, JsPlaySound, (int id, double volume, double left, double right),
      { Module.klumpix.playSound(id, volume, left, right); });
EM_JS(int, JsPaintsOffThread, (), { return Module.klumpix.paintsOffThread() ? 1 : 0; });
EM_JS(int, JsPaused, (), { return Module.klumpix.paused() ? 1 : 0; });
EM_JS(void, JsAfterTick, (int first_picture), { Module.klumpix.afterTick(first_picture != 0); });
EM_JS(void, JsShowMessage, (const char* text), { Module.klumpix.showMessage(UTF8ToString(text)); });
EM_JS(int, JsStoredSessionTick, (), { return Module.klumpix.storedSessionTick(); });
EM_JS(void, JsDropStoredSession, (const char* why),
      { Module.klumpix.dropStoredSession(UTF8ToString(why)); });
EM_JS(int, JsKeepsGames, (), { return Module.klumpix.keepsGames() ? 1 : 0; });
EM_JS(void, JsKeepBestGame, (int type, const char* text),
      { Module.klumpix.keepBestGame(type, UTF8ToString(text)); });

namespace klumpix {

void PagePresent(const std::uint8_t* rgba, int left, int top, int right, int bottom) {
  JsPresent(rgba, left, top, right, bottom);
}

void PageLoadSound(int id, const unsigned char* wav, std::size_t size) {
  JsLoadSound(id, wav, static_cast<int>(size));
}

void PagePlaySound(int id, double volume, double left, double right) {
  JsPlaySound(id, volume, left, right);
}

bool PagePaintsOffThread() {
  return JsPaintsOffThread() != 0;
}

bool PagePaused() {
  return JsPaused() != 0;
}

void PageAfterTick(bool first_picture) {
  JsAfterTick(first_picture ? 1 : 0);
}

void PageShowMessage(const char* text) {
  JsShowMessage(text);
}

std::int32_t PageStoredSessionTick() {
  return JsStoredSessionTick();
}

void PageDropStoredSession(const char* why) {
  JsDropStoredSession(why);
}

bool PageKeepsGames() {
  return JsKeepsGames() != 0;
}

void PageKeepBestGame(std::int32_t type, const char* script_text) {
  JsKeepBestGame(type, script_text);
}

}  // namespace klumpix
