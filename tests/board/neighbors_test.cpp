// The hex lattice: which cells are linked as neighbours and which are drop fields.
#include <gtest/gtest.h>

#include "board/board_test_util.h"

namespace klumpix {
namespace {

using test::BoardOfType;
using test::CellAt;
using test::NeighborCount;

// Offset of the neighbour in each direction, and the opposite direction.
constexpr int kDx[7] = {0, 0, -21, -21, 0, 21, 21};
constexpr int kDy[7] = {0, 24, 12, -12, -24, -12, 12};
constexpr int kOpposite[7] = {0, 4, 5, 6, 1, 2, 3};

TEST(Neighbors, LinksAreSymmetricAndPointAtTheAdjacentCellOnEveryBoard) {
  for (int type = 1; type <= kGameTypes; ++type) {
    SCOPED_TRACE(type);
    auto g = BoardOfType(type);
    const ObjectTable& o = g->obj;
    for (int i = 1; i <= kSlotCount; ++i) {
      for (int d = 1; d <= 6; ++d) {
        const int j = o.neighbor[i][d];
        if (!IsPlayfieldCell(*g, i)) {
          EXPECT_EQ(j, 0) << "slot " << i;  // store fields, shadows, frame, free slots
          continue;
        }
        // Every adjacent cell is linked, and nothing else is.
        EXPECT_EQ(j, CellAt(*g, o.x[i] + kDx[d], o.y[i] + kDy[d])) << "slot " << i << " d " << d;
        if (j != 0) {
          EXPECT_EQ(o.neighbor[j][kOpposite[d]], i);
        }
      }
    }
  }
}

TEST(Neighbors, MiddleCellsHaveSixAndHexagonCornersThree) {
  auto g = BoardOfType(1);
  EXPECT_EQ(NeighborCount(*g, CellAt(*g, 346, 354)), 6);
  EXPECT_EQ(NeighborCount(*g, CellAt(*g, 346, 498)), 3);  // bottom corner
  EXPECT_EQ(NeighborCount(*g, CellAt(*g, 220, 426)), 3);  // lower left corner
  EXPECT_EQ(NeighborCount(*g, CellAt(*g, 472, 282)), 3);  // upper right corner

  auto tetris = BoardOfType(4);
  EXPECT_EQ(NeighborCount(*tetris, CellAt(*tetris, 346, 390)), 6);
  EXPECT_EQ(NeighborCount(*tetris, CellAt(*tetris, 136, 486)), 3);  // left edge
}

// Which piece of a split board a cell belongs to, by its x.
int PieceOf(int game_type, int x) {
  if (game_type == 2) return x < 351 ? 1 : 2;
  return x < 283 ? 1 : (x < 409 ? 2 : 3);
}

TEST(Neighbors, SeparatePiecesOfABoardShareNoLinks) {
  for (int type : {2, 8}) {
    SCOPED_TRACE(type);
    auto g = BoardOfType(type);
    for (int i = 1; i <= kSlotCount; ++i) {
      if (!IsPlayfieldCell(*g, i)) continue;
      for (int d = 1; d <= 6; ++d) {
        const int j = g->obj.neighbor[i][d];
        if (j != 0) {
          EXPECT_EQ(PieceOf(type, g->obj.x[j]), PieceOf(type, g->obj.x[i])) << i;
        }
      }
    }
  }
}

TEST(Neighbors, DropFieldsAreTheCellsWithNothingStraightAbove) {
  for (int type = 1; type <= kGameTypes; ++type) {
    SCOPED_TRACE(type);
    auto g = BoardOfType(type);
    for (int s = 1; s <= kSlotCount; ++s) {
      if (IsPlayfieldCell(*g, s)) {
        EXPECT_EQ(g->obj.variant[s] == kFieldDrop, g->obj.neighbor[s][4] == 0) << s;
      }
    }
  }
  // Inside a board too: the inner edge of the V, the lower rim of the eye's hole.
  auto v = BoardOfType(3);
  EXPECT_EQ(v->obj.variant[CellAt(*v, 346, 402)], 8);
  auto eye = BoardOfType(6);
  EXPECT_EQ(eye->obj.variant[CellAt(*eye, 346, 402)], 8);
  EXPECT_EQ(eye->obj.variant[CellAt(*eye, 346, 426)], 4);
}

TEST(Neighbors, ANewBoardKeepsNoLinksOfTheOldOne) {
  auto g = BoardOfType(4);  // the largest board, up to slot 524
  g->game_type = 1;
  BuildBoard(*g);
  for (int s = g->slot_top + 1; s <= kSlotCount; ++s) {
    EXPECT_EQ(NeighborCount(*g, s), 0) << s;
  }
  EXPECT_EQ(NeighborCount(*g, CellAt(*g, 346, 498)), 3);
}

}  // namespace
}  // namespace klumpix
