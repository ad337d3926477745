#include "tick/object_update.h"

#include "shell/game.h"
#include "tick/buttons.h"
#include "world/floor.h"
#include "world/objects.h"
#include "world/renderer.h"

namespace klumpix {

namespace {
constexpr std::int16_t kLastExplosionFrame = 28;
}

void UpdateObjects(Game& g, WinnersStorage& winners) {
  ObjectTable& o = g.obj;
  // A button action may rebuild the whole table (START, ENTER); the walk just
  // goes on with the next slot number, which then holds the new board.
  for (int s = 1; s <= kSlotCount; ++s) {
    if (o.alive[s] <= 0) continue;
    const auto slot = static_cast<std::int16_t>(s);
    if (o.kind[s] == kKindButton) {
      const bool inside = ButtonBox(g, s).Contains(g.mouse.mouse_x, g.mouse.mouse_y);
      if (inside && (g.mouse.left_button_down || g.mouse.right_button_down)) {
        o.frame[s] = kButtonDown;
        ButtonAction(g, slot, winners);
        AddLight(g, o.x[s], o.y[s], 2.0);
      } else if (inside) {
        o.frame[s] = kButtonHover;
        AddLight(g, o.x[s], o.y[s], 1.0);
      } else {
        o.frame[s] = kButtonUp;
      }
    }
    if (o.kind[s] == kKindExplosion && o.alive[s] > 0) {
      if (o.frame[s] >= kLastExplosionFrame) {
        ClearSlot(g, slot);
      } else {
        o.frame[s] += 1;
      }
    }
    if (o.alive[s] <= 0) continue;
    UpdatePictureRect(g, slot);
  }
}

}  // namespace klumpix
