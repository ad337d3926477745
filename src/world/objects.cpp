#include "world/objects.h"

#include "shell/game.h"

namespace klumpix {

void ClearSlot(Game& g, std::int16_t slot) {
  ObjectTable& o = g.obj;
  o.alive[slot] = 0;
  o.variant[slot] = kFirstVariant;
  o.frame[slot] = 0;
  o.x[slot] = 0;
  o.y[slot] = 0;
  o.tag[slot] = 0;
  o.cell_stone[slot] = 0;
  o.rest_colour[slot] = 0;
  o.match_mark[slot] = 0;
  for (int d = 1; d <= 6; ++d) o.neighbor[slot][d] = 0;
}

void ClearAllSlots(Game& g) {
  for (int slot = 1; slot <= kSlotCount; ++slot) ClearSlot(g, static_cast<std::int16_t>(slot));
}

void PlaceObject(Game& g, std::int16_t slot, const NewObject& o) {
  ObjectTable& obj = g.obj;
  obj.alive[slot] = 1;
  obj.kind[slot] = o.kind;
  obj.image[slot] = o.image;
  obj.variant[slot] = o.variant;
  obj.frame[slot] = o.frame;
  obj.x[slot] = o.x;
  obj.y[slot] = o.y;
  obj.depth[slot] = o.depth;
}

std::int16_t AllocateDynamicSlot(Game& g) {
  // Top-down search from the cursor. Ending on the floor slot would hand out a
  // live playfield object, so a full range refuses instead.
  while (g.free_slot_cursor - 1 > g.dynamic_slot_floor) {
    g.free_slot_cursor -= 1;
    if (g.obj.alive[g.free_slot_cursor] == 0) return static_cast<std::int16_t>(g.free_slot_cursor);
  }
  return 0;
}

}  // namespace klumpix
