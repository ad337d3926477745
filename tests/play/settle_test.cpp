// Stones fall one cell per tick in slot order and rest on what is below.
#include "play/settle.h"

#include <gtest/gtest.h>

#include "play_fixture.h"

namespace klumpix {
namespace {

using testing::Carry;
using testing::ColumnCell;
using testing::ColumnGame;
using testing::PutStone;
using testing::StartsOf;
using testing::Tick;

int LightsOfStrength(const Game& g, double s) {
  int n = 0;
  for (int i = 1; i <= g.lights.light_count; ++i) n += g.lights.light_strength[i] == s;
  return n;
}

void DropOnTop(Game& g, int column_cells) {
  const std::int16_t top = ColumnCell(column_cells);
  g.mouse.mouse_x = g.obj.x[top];
  g.mouse.mouse_y = g.obj.y[top];
  g.mouse.left_button_down = true;
  Tick(g);
  g.mouse.left_button_down = false;
}

TEST(StoneMotion, ThreeStonesDroppedInAColumnOfSevenReachTheBottomInFourTicks) {
  auto g = ColumnGame(7);
  g->mouse.mouse_x = 300;
  g->mouse.mouse_y = 354;
  Carry(*g, 1, 2, 3);
  const std::int32_t top = g->stone_store.carried[1], middle = g->stone_store.carried[2],
                     bottom = g->stone_store.carried[3];
  DropOnTop(*g, 7);
  EXPECT_EQ(g->obj.cell_stone[ColumnCell(7)], top);
  EXPECT_EQ(g->obj.cell_stone[ColumnCell(5)], bottom);

  for (int t = 1; t <= 4; ++t) {
    Tick(*g);
    SCOPED_TRACE(t);
    EXPECT_EQ(StartsOf(*g, kSoundMaser3), 1);
    EXPECT_EQ(LightsOfStrength(*g, 0.5), 3);
  }
  EXPECT_EQ(g->obj.cell_stone[ColumnCell(3)], top);
  EXPECT_EQ(g->obj.cell_stone[ColumnCell(2)], middle);
  EXPECT_EQ(g->obj.cell_stone[ColumnCell(1)], bottom);

  // The picture follows one tick behind; then all rest and the column is quiet.
  Tick(*g);
  EXPECT_EQ(StartsOf(*g, kSoundMaser3), 0);
  EXPECT_EQ(g->obj.y[bottom], g->obj.y[ColumnCell(1)]);
  EXPECT_EQ(g->obj.rest_colour[ColumnCell(1)], 3);
  EXPECT_EQ(g->obj.frame[ColumnCell(1) + 1], 2);
  EXPECT_EQ(g->obj.frame[ColumnCell(4) + 1], 1);
}

TEST(StoneMotion, AStoneDroppedOntoARestingStoneRestsAndMatchesAtOnce) {
  auto g = ColumnGame(7);
  PutStone(*g, ColumnCell(1), 4);
  PutStone(*g, ColumnCell(2), 5);
  PutStone(*g, ColumnCell(3), 2);
  PutStone(*g, ColumnCell(4), 2);
  Carry(*g, 1, 3, 2);
  DropOnTop(*g, 7);
  ASSERT_EQ(g->score, 3);

  Tick(*g);
  EXPECT_EQ(StartsOf(*g, kSoundMaser3), 0);
  EXPECT_EQ(g->explosion_count, 1);
  EXPECT_EQ(g->score, 3 + 3 * 3);
  EXPECT_EQ(g->obj.cell_stone[ColumnCell(4)], 0);
  // The stones above the hole fall into it in the next tick.
  Tick(*g);
  EXPECT_EQ(g->obj.cell_stone[ColumnCell(7)], 0);
  EXPECT_NE(g->obj.cell_stone[ColumnCell(6)], 0);
  EXPECT_NE(g->obj.cell_stone[ColumnCell(5)], 0);
  EXPECT_EQ(g->obj.cell_stone[ColumnCell(4)], 0);
}

TEST(StoneMotion, WhereTheCellBelowComesLaterInSlotOrderAStoneFallsTwoCellsInOnePass) {
  auto g = testing::RunningGame(7);
  // The small triangle on top of the gate is built before the lintel under it.
  const std::int16_t q = testing::CellAt(*g, 346, 258);
  const std::int32_t b1 = g->obj.neighbor[q][1];
  const std::int32_t b2 = g->obj.neighbor[b1][1];
  ASSERT_GT(b1, q);
  ASSERT_LT(b2, b1);
  const std::int16_t stone = PutStone(*g, q, 3);
  SettleStones(*g);
  EXPECT_EQ(g->obj.cell_stone[q], 0);
  EXPECT_EQ(g->obj.cell_stone[b1], 0);
  EXPECT_EQ(g->obj.cell_stone[b2], stone);
  // Drawn on the cell it was last found in.
  EXPECT_EQ(g->obj.y[stone], g->obj.y[b1]);
}

TEST(StoneMotion, NothingMovesOnceTheGameIsOver) {
  auto g = ColumnGame(7);
  const std::int16_t stone = PutStone(*g, ColumnCell(7), 1);
  g->game_over = true;
  Tick(*g, 3);
  EXPECT_EQ(g->obj.cell_stone[ColumnCell(7)], stone);
}

}  // namespace
}  // namespace klumpix
