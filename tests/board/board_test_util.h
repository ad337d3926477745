#pragma once
// Freshly built boards and lookups shared by the board tests.
#include <memory>

#include "board/board.h"
#include "shell/game.h"
#include "world/objects.h"

namespace klumpix::test {

inline std::unique_ptr<Game> BoardOfType(int game_type) {
  auto g = std::make_unique<Game>();
  ResetGame(*g);
  g->game_type = game_type;
  BuildBoard(*g);
  return g;
}

// The playfield cell centred at (x, y), or 0.
inline int CellAt(const Game& g, int x, int y) {
  for (int s = 1; s <= kSlotCount; ++s) {
    if (IsPlayfieldCell(g, s) && g.obj.x[s] == x && g.obj.y[s] == y) return s;
  }
  return 0;
}

inline int NeighborCount(const Game& g, int slot) {
  int n = 0;
  for (int d = 1; d <= 6; ++d) n += g.obj.neighbor[slot][d] != 0;
  return n;
}

}  // namespace klumpix::test
