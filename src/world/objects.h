#pragma once
// The 900-slot object table: resetting slots and the top-down slot search.
#include <cstdint>

#include "shell/game.h"

namespace klumpix {

// A live hex field, on the playfield or in the store.
inline bool IsField(const Game& g, int slot) {
  return g.obj.alive[slot] > 0 && g.obj.kind[slot] == kKindPiece &&
         g.obj.image[slot] == kImageField;
}

// A field of the playfield: the cells that hold stones and know their neighbours.
inline bool IsPlayfieldCell(const Game& g, int slot) {
  return IsField(g, slot) && g.obj.tag[slot] == 1;
}

void ClearSlot(Game& g, std::int16_t slot);
void ClearAllSlots(Game& g);
// The next free slot above dynamic_slot_floor, searched from the top down;
// 0 when the dynamic range is full (the caller then makes nothing).
std::int16_t AllocateDynamicSlot(Game& g);

}  // namespace klumpix
