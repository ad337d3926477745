// The table of hit areas the page's touch assist aims with: every store row
// and drop field in it takes a press at its centre, and none reaches past the
// box the game itself tests.
#include "screens/hit_areas.h"

#include <gtest/gtest.h>

#include <memory>

#include "play/play_fixture.h"
#include "play/play_steps.h"

namespace klumpix {
namespace {

using testing::Carry;
using testing::FillStoreRow;
using testing::RunningGame;

// A copy of `g` with the left button held at (x, y).
std::unique_ptr<Game> PressedAt(const Game& g, int x, int y) {
  auto copy = std::make_unique<Game>(g);
  copy->mouse.mouse_x = x;
  copy->mouse.mouse_y = y;
  copy->mouse.left_button_down = true;
  return copy;
}

TEST(HitAreas, EveryBoardsStoreRowsAndDropFieldsActAtTheCentreAndNotOnTheEdge) {
  for (int type = 1; type <= kGameTypes; ++type) {
    SCOPED_TRACE(type);
    auto g = RunningGame(type);
    for (int r = 1; r <= kStoreRows; ++r) FillStoreRow(*g, r);
    HitAreas table;
    FillHitAreas(*g, table);
    ASSERT_LT(table.count, kMaxHitAreas) << "the table may have cut targets off";
    int rows = 0;
    int drops = 0;
    for (int i = 0; i < table.count; ++i) {
      const HitArea& a = table.areas[i];
      const HitBox& b = a.box;
      if (a.kind == HitKind::kStoreRow) {
        ++rows;
        auto hit = PressedAt(*g, b.centre_x, b.centre_y);
        RunStorePass(*hit);
        EXPECT_EQ(hit->stone_store.carried[1], g->stone_store.store[a.id][1]) << "row " << a.id;
        auto edge = PressedAt(*g, b.right, b.centre_y);
        RunStorePass(*edge);
        EXPECT_EQ(edge->stone_store.carried[1], 0) << "row " << a.id;
      }
      if (a.kind == HitKind::kDropField) {
        ++drops;
        auto hit = PressedAt(*g, b.centre_x, b.centre_y);
        Carry(*hit, 1, 2, 3);
        RunDropFields(*hit);
        EXPECT_EQ(hit->stone_store.carried[1], 0) << "field " << a.id;
        auto edge = PressedAt(*g, b.centre_x, b.top);
        Carry(*edge, 1, 2, 3);
        RunDropFields(*edge);
        EXPECT_NE(edge->stone_store.carried[1], 0) << "field " << a.id;
      }
    }
    EXPECT_EQ(rows, kStoreRows);
    EXPECT_GT(drops, 0);
  }
}

}  // namespace
}  // namespace klumpix
