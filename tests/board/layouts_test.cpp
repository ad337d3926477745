// The eight boards: which cells each game type lays out, where, and in which slots.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "board/board_test_util.h"

namespace klumpix {
namespace {

using test::BoardOfType;

struct BoardFacts {
  int game_type, cells, slot_top, drop_fields;
  int x_min, x_max, y_min, y_max;
  int first_x, first_y, last_x, last_y;
};

constexpr BoardFacts kBoards[] = {
    {1, 127, 358, 13, 220, 472, 210, 498, 346, 498, 346, 210},
    {2, 122, 348, 18, 162, 540, 232, 474, 246, 424, 456, 282},
    {3, 149, 402, 23, 115, 577, 246, 498, 346, 498, 577, 246},
    {4, 210, 524, 21, 136, 556, 270, 498, 157, 498, 556, 270},
    {5, 126, 356, 18, 169, 526, 246, 498, 169, 498, 526, 246},
    {6, 122, 348, 26, 157, 535, 234, 498, 346, 498, 346, 234},
    {7, 168, 440, 23, 115, 577, 234, 486, 283, 270, 556, 282},
    {8, 185, 474, 19, 136, 556, 270, 498, 157, 498, 556, 270},
};

TEST(BoardLayout, EveryGameTypeHasItsCellsExtentsAndDropFields) {
  for (const BoardFacts& b : kBoards) {
    SCOPED_TRACE(b.game_type);
    auto g = BoardOfType(b.game_type);
    const ObjectTable& o = g->obj;
    int cells = 0, drops = 0;
    int x_min = 9999, x_max = 0, y_min = 9999, y_max = 0;
    for (int s = 1; s <= kSlotCount; ++s) {
      if (!IsPlayfieldCell(*g, s)) continue;
      ++cells;
      drops += o.variant[s] == kFieldDrop;
      x_min = std::min<int>(x_min, o.x[s]);
      x_max = std::max<int>(x_max, o.x[s]);
      y_min = std::min<int>(y_min, o.y[s]);
      y_max = std::max<int>(y_max, o.y[s]);
    }
    EXPECT_EQ(cells, b.cells);
    EXPECT_EQ(g->slot_top, b.slot_top);
    EXPECT_EQ(g->dynamic_slot_floor, b.slot_top);
    EXPECT_EQ(drops, b.drop_fields);
    EXPECT_EQ(x_min, b.x_min);
    EXPECT_EQ(x_max, b.x_max);
    EXPECT_EQ(y_min, b.y_min);
    EXPECT_EQ(y_max, b.y_max);

    // Fields sit in odd slots from 105 on, each followed by its shadow.
    EXPECT_EQ(o.x[105], b.first_x);
    EXPECT_EQ(o.y[105], b.first_y);
    const int last = b.slot_top - 1;
    EXPECT_TRUE(IsPlayfieldCell(*g, last));
    EXPECT_EQ(o.x[last], b.last_x);
    EXPECT_EQ(o.y[last], b.last_y);
    for (int s = 105; s < b.slot_top; s += 2) {
      ASSERT_TRUE(IsPlayfieldCell(*g, s)) << s;
      EXPECT_EQ(o.image[s + 1], kImageShadow);
      EXPECT_EQ(o.x[s + 1], o.x[s] + 10);
      EXPECT_EQ(o.y[s + 1], o.y[s] + 10);
      EXPECT_LT(o.depth[s + 1], o.depth[s]);
    }
    for (int s = b.slot_top + 1; s <= kSlotCount; ++s) EXPECT_EQ(o.alive[s], 0) << s;
  }
}

// The colour a non-drop cell of each type must have, by its position.
int ExpectedColour(int game_type, int x, int y) {
  switch (game_type) {
    case 1:
      return 1;
    case 2:
      return x < 351 ? 2 : 3;
    case 3:
    case 6:
      return 4;
    case 4:
      return 5;
    case 5:
      return 6;
    case 7:
      return y < 276 ? 2 : (x < 346 ? 1 : 3);
    default:
      return x < 283 ? 1 : (x < 409 ? 4 : 6);
  }
}

TEST(BoardLayout, FieldColoursFollowThePiecesOfEachType) {
  for (const BoardFacts& b : kBoards) {
    SCOPED_TRACE(b.game_type);
    auto g = BoardOfType(b.game_type);
    for (int s = 105; s < g->slot_top; s += 2) {
      if (g->obj.variant[s] == kFieldDrop) continue;
      EXPECT_EQ(g->obj.variant[s], ExpectedColour(b.game_type, g->obj.x[s], g->obj.y[s]))
          << "(" << g->obj.x[s] << ", " << g->obj.y[s] << ")";
    }
  }
}

TEST(BoardLayout, StoreCellsFollowTheFrameAndLeaveTheBoxSlotsFree) {
  auto g = BoardOfType(3);
  const ObjectTable& o = g->obj;
  for (int s = 1; s <= 14; ++s) EXPECT_EQ(o.kind[s], s <= 4 ? kKindPanel : kKindButton);
  for (int s = 15; s <= 20; ++s) EXPECT_EQ(o.alive[s], 0);
  // Store row 1 place 1, and row 14 place 3 with its shadow.
  EXPECT_EQ(o.x[21], 150);
  EXPECT_EQ(o.y[21], 106);
  EXPECT_EQ(o.x[103], 540);
  EXPECT_EQ(o.y[103], 158);
  EXPECT_EQ(o.x[104], 550);
  EXPECT_EQ(o.y[104], 168);
  for (int s = 21; s <= 103; s += 2) {
    EXPECT_EQ(o.image[s], kImageField);
    EXPECT_EQ(o.tag[s], 0);
    EXPECT_EQ(o.variant[s], 1);
  }
}

TEST(BoardLayout, RebuildingGivesTheSameObjectsInTheSameSlots) {
  for (const BoardFacts& b : kBoards) {
    SCOPED_TRACE(b.game_type);
    auto g = BoardOfType(b.game_type);
    auto first = std::make_unique<ObjectTable>(g->obj);
    BuildBoard(*g);
    EXPECT_EQ(std::memcmp(first.get(), &g->obj, sizeof(ObjectTable)), 0);
  }
}

}  // namespace
}  // namespace klumpix
