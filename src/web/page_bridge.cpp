#include "web/page_bridge.h"

#include <emscripten/emscripten.h>

// The page's side of each call is a function of `Module.klumpix`, set up by
// web/klumpix_page.js before the module starts.
EM_JS(void, JsPresent, (const void* rgba), { Module.klumpix.present(rgba); });
EM_JS(void, JsLoadSound, (int id, const void* wav, int size),
      { Module.klumpix.loadSound(id, wav, size); });
EM_JS(void, JsPlaySound, (int id, double volume, double left, double right),
      { Module.klumpix.playSound(id, volume, left, right); });
EM_JS(int, JsPaused, (), { return Module.klumpix.paused() ? 1 : 0; });
EM_JS(void, JsAfterTick, (int first_picture), { Module.klumpix.afterTick(first_picture != 0); });
EM_JS(void, JsShowMessage, (const char* text), { Module.klumpix.showMessage(UTF8ToString(text)); });

namespace klumpix {

void PagePresent(const std::uint8_t* rgba) {
  JsPresent(rgba);
}

void PageLoadSound(int id, const unsigned char* wav, std::size_t size) {
  JsLoadSound(id, wav, static_cast<int>(size));
}

void PagePlaySound(int id, double volume, double left, double right) {
  JsPlaySound(id, volume, left, right);
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

}  // namespace klumpix
