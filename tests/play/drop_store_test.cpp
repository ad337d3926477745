// Taking a store row onto the pointer, exchanging it, and setting it down.
#include <gtest/gtest.h>

#include "play_fixture.h"

namespace klumpix {
namespace {

using testing::Carry;
using testing::ColumnCell;
using testing::ColumnGame;
using testing::PutStone;
using testing::Tick;

// Holds the left button over the top of a column of seven for one tick.
void PressOnTop(Game& g) {
  g.mouse.mouse_x = 300;
  g.mouse.mouse_y = g.obj.y[ColumnCell(7)];
  g.mouse.left_button_down = true;
  Tick(g);
}

TEST(DropFields, TheStackIsSetDownAsFarAsTheColumnIsFree) {
  struct Case {
    int filled_from_bottom;
    int score;
    int carried_kept_in_top;  // which carried stone ends in the drop field
  };
  for (const Case c : {Case{0, 3, 1}, Case{5, 2, 2}, Case{6, 1, 3}}) {
    SCOPED_TRACE(c.filled_from_bottom);
    auto g = ColumnGame(7);
    for (int i = 1; i <= c.filled_from_bottom; ++i)
      PutStone(*g, ColumnCell(i), static_cast<std::int16_t>(1 + i % 2));
    Carry(*g, 4, 5, 6);
    const std::int32_t stack[4] = {0, g->stone_store.carried[1], g->stone_store.carried[2],
                                   g->stone_store.carried[3]};
    PressOnTop(*g);
    EXPECT_EQ(g->score, c.score);
    EXPECT_EQ(g->stones_placed, c.score);
    EXPECT_EQ(g->stone_store.carried[1], 0);
    EXPECT_EQ(g->obj.cell_stone[ColumnCell(7)], stack[c.carried_kept_in_top]);
    for (int k = 1; k < c.carried_kept_in_top; ++k) EXPECT_EQ(g->obj.alive[stack[k]], 0);
    // The stones keep their carried look until the next settle puts them on their cells.
    EXPECT_EQ(g->obj.depth[stack[3]], 95);
  }
}

TEST(DropFields, AnOccupiedDropFieldOrAStoneStillFallingRefusesTheDrop) {
  auto full = ColumnGame(7);
  for (int i = 1; i <= 7; ++i) PutStone(*full, ColumnCell(i), static_cast<std::int16_t>(1 + i % 2));
  Carry(*full, 4, 5, 6);
  PressOnTop(*full);
  EXPECT_NE(full->stone_store.carried[1], 0);
  EXPECT_EQ(full->score, 0);
  EXPECT_EQ(full->obj.variant[ColumnCell(7)], 7);

  // A stone leaves the drop field this tick and is in B1 while B2 is empty:
  // refused; held on, the drop succeeds once the stone has fallen on.
  auto falling = ColumnGame(7);
  PutStone(*falling, ColumnCell(7), 1);
  Carry(*falling, 4, 5, 6);
  PressOnTop(*falling);
  EXPECT_NE(falling->stone_store.carried[1], 0);
  EXPECT_EQ(falling->obj.cell_stone[ColumnCell(6)] != 0, true);
  PressOnTop(*falling);
  EXPECT_EQ(falling->stone_store.carried[1], 0);
  EXPECT_EQ(falling->score, 2);
}

TEST(DropFields, TheFieldUnderThePointerLightsUp) {
  auto g = ColumnGame(7);
  g->mouse.mouse_x = 309;
  g->mouse.mouse_y = g->obj.y[ColumnCell(7)] - 9;
  Tick(*g);
  EXPECT_EQ(g->obj.variant[ColumnCell(7)], 7);
  g->mouse.mouse_x = 310;  // the box is open: ten pixels off is outside
  Tick(*g);
  EXPECT_EQ(g->obj.variant[ColumnCell(7)], 8);
}

// Holds the left button over store row r for one tick.
void PressOnRow(Game& g, int row) {
  g.mouse.mouse_x = 30 * row + 120;
  g.mouse.mouse_y = 150;
  g.mouse.left_button_down = true;
  Tick(g);
}

TEST(StoreRows, TakingARowEmptiesItAndPutsItOnTheWaitingList) {
  auto g = testing::RunningGame(3);
  Tick(*g);  // lets the object update size the store fields
  testing::FillStoreRow(*g, 2);
  const std::int32_t row[4] = {0, g->stone_store.store[2][1], g->stone_store.store[2][2],
                               g->stone_store.store[2][3]};
  g->stone_store.countdown_start = 120;
  const int first_field = 21 + 6 * (2 - 1);
  for (int k = 0; k < 3; ++k) g->obj.frame[first_field + 2 * k + 1] = 2;
  PressOnRow(*g, 2);
  for (int k = 1; k <= 3; ++k) {
    EXPECT_EQ(g->stone_store.carried[k], row[k]);
    EXPECT_EQ(g->stone_store.store[2][k], 0);
    EXPECT_EQ(g->obj.depth[row[k]], 95);
  }
  EXPECT_EQ(g->stone_store.row_countdown[2], 120);
  EXPECT_EQ(g->obj.x[row[1]], g->mouse.mouse_x);
  EXPECT_EQ(g->obj.y[row[1]], g->mouse.mouse_y - 52);
  // The row's three store fields show their shadows as empty again.
  for (int k = 0; k < 3; ++k) EXPECT_EQ(g->obj.frame[first_field + 2 * k + 1], 1);
}

TEST(StoreRows, AHeldExchangeSwapsTheStacksAgainOnEveryTick) {
  auto g = testing::RunningGame(3);
  testing::FillStoreRow(*g, 3);
  const std::int32_t in_row[4] = {0, g->stone_store.store[3][1], g->stone_store.store[3][2],
                                  g->stone_store.store[3][3]};
  Carry(*g, 4, 5, 6);
  const std::int32_t on_pointer[4] = {0, g->stone_store.carried[1], g->stone_store.carried[2],
                                      g->stone_store.carried[3]};

  PressOnRow(*g, 3);
  for (int k = 1; k <= 3; ++k) {
    EXPECT_EQ(g->stone_store.store[3][k], on_pointer[k]);
    EXPECT_EQ(g->stone_store.carried[k], in_row[k]);
    EXPECT_EQ(g->obj.x[on_pointer[k]], 210);
    EXPECT_EQ(g->obj.y[on_pointer[k]], 26 * k + 80);
    EXPECT_EQ(g->obj.depth[on_pointer[k]], 85);
    EXPECT_EQ(g->obj.depth[in_row[k]], 95);
  }
  EXPECT_EQ(g->stone_store.row_countdown[3], 0);

  PressOnRow(*g, 3);
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(g->stone_store.store[3][k], in_row[k]);
}

}  // namespace
}  // namespace klumpix
