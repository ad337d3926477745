#pragma once
// The boxes the play screen's pointer tests use: a store row is taken, and
// the carried stones are set down on a drop field, while the left button is
// held inside them.
#include "board/board.h"
#include "core/hit_box.h"
#include "shell/game.h"
#include "world/objects.h"

namespace klumpix {

// A store row's box reaches below its three places, over its countdown.
inline HitBox StoreRowBox(int row) {
  return BoxAround(StoreRowX(row), 145, 15, 52);
}

// A row holding stones can be taken.
inline bool StoreRowFull(const Game& g, int row) {
  return g.stone_store.store[row][1] > 0;
}

inline HitBox DropFieldBox(const Game& g, int slot) {
  return BoxAround(g.obj.x[slot], g.obj.y[slot], 10, 10);
}

// A playfield cell with nothing above it (drawn plain or lit).
inline bool IsDropField(const Game& g, int slot) {
  const std::int16_t variant = g.obj.variant[slot];
  return IsPlayfieldCell(g, slot) && (variant == kFieldDrop || variant == kFieldLit);
}

}  // namespace klumpix
