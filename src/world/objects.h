#pragma once
// The 900-slot object table: resetting slots and the top-down slot search.
#include <cstdint>

#include "core/hit_box.h"
#include "shell/game.h"

namespace klumpix {

// A live hex field, on the playfield or in the store.
inline bool IsField(const Game& g, int slot) {
  return g.obj.alive[slot] > 0 && g.obj.kind[slot] == kKindPiece &&
         g.obj.image[slot] == kImageField;
}

// A field of the playfield: the cells that hold stones and know their neighbours.
inline bool IsPlayfieldCell(const Game& g, int slot) {
  return IsField(g, slot) && g.obj.tag[slot] == kTagPlayfieldCell;
}

// A field of the stone store.
inline bool IsStoreField(const Game& g, int slot) {
  return IsField(g, slot) && g.obj.tag[slot] != kTagPlayfieldCell;
}

// A live button: it acts while a mouse button is held inside its box.
inline bool IsButton(const Game& g, int slot) {
  return g.obj.alive[slot] > 0 && g.obj.kind[slot] == kKindButton;
}

// A button's box: its picture's half sizes around its centre.
inline HitBox ButtonBox(const Game& g, int slot) {
  return BoxAround(g.obj.x[slot], g.obj.y[slot], g.obj.half_width[slot], g.obj.half_height[slot]);
}

// Everything a new object is given; the rest of its slot stays as cleared.
struct NewObject {
  std::int16_t kind, image, variant, frame, x, y, depth;
};

// Brings slot to life as `o`.
void PlaceObject(Game& g, std::int16_t slot, const NewObject& o);

void ClearSlot(Game& g, std::int16_t slot);
void ClearAllSlots(Game& g);
// The next free slot above dynamic_slot_floor, searched from the top down;
// 0 when the dynamic range is full (the caller then makes nothing).
std::int16_t AllocateDynamicSlot(Game& g);

}  // namespace klumpix
