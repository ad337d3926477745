// Score and bonus messages that rise from where they were earned and fade.
#include "play/play_screen.h"
#include "play/play_steps.h"
#include "shell/game.h"
#include "text/text_layer.h"

namespace klumpix {

namespace {
constexpr std::int16_t kFloatingTextLife = 50;
}

// Queues a rising text in the first free entry; when all are busy the last
// entry is overwritten, so a burst of messages cannot grow the list.
void SpawnFloatingText(Game& g, std::int16_t x, std::int16_t y, std::int16_t font,
                       const char* text) {
  int entry = kFloatingTextCount;
  for (int i = 1; i < kFloatingTextCount; ++i) {
    if (g.floating_text[i].timer <= 0) {
      entry = i;
      break;
    }
  }
  FloatingText& f = g.floating_text[entry];
  f.x = x;
  f.y = y;
  f.font = font;
  f.text.Assign(text);
  f.timer = kFloatingTextLife;
}

// Rises fast at first and slows down until it stands still for its last ten ticks.
void MoveFloatingTexts(Game& g) {
  for (int i = 1; i <= kFloatingTextCount; ++i) {
    FloatingText& f = g.floating_text[i];
    if (f.timer <= 0) continue;
    --f.timer;
    f.y = static_cast<std::int16_t>(f.y - f.timer / 10);
    WriteText(g, f.x, f.y, f.font, 0, f.text.c_str());
  }
}

}  // namespace klumpix
