// Groups of resting stones: which explode, and what each stone scores.
#include "play/match.h"

#include <gtest/gtest.h>

#include "play/settle.h"
#include "play_fixture.h"

namespace klumpix {
namespace {

using testing::CellAt;
using testing::PutStone;
using testing::Tick;

// The rectangle board: its two lowest rows (y 498 and 486) rest on nothing,
// and every field has colour 5.
struct Spot {
  int x, y;
};

std::unique_ptr<Game> RectangleWith(std::initializer_list<Spot> spots, std::int16_t colour) {
  auto g = testing::RunningGame(4);
  for (Spot s : spots) PutStone(*g, CellAt(*g, s.x, s.y), colour);
  return g;
}

TEST(Matching, TheFactorDependsOnTheShapeOfTheGroup) {
  struct Case {
    const char* shape;
    std::initializer_list<Spot> spots;
    int factor;
  };
  const Case cases[] = {
      {"line of three", {{157, 498}, {178, 486}, {199, 498}}, 3},
      {"triangle", {{157, 498}, {178, 486}, {157, 474}}, 5},
      {"line of four", {{157, 498}, {178, 486}, {199, 498}, {220, 486}}, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shape);
    auto g = RectangleWith(c.spots, 2);
    Tick(*g);
    EXPECT_EQ(g->score, static_cast<int>(c.spots.size()) * c.factor);
    EXPECT_EQ(g->explosion_count, 1);
    for (Spot s : c.spots) EXPECT_EQ(g->obj.cell_stone[CellAt(*g, s.x, s.y)], 0);
  }
}

TEST(Matching, TwoGroupsInOneTickShareTheFactorAndCountAsOneKill) {
  auto g = RectangleWith({{157, 498}, {178, 486}, {199, 498}}, 2);
  for (Spot s : {Spot{325, 498}, Spot{346, 486}, Spot{367, 498}})
    PutStone(*g, CellAt(*g, s.x, s.y), 3);
  Tick(*g);
  EXPECT_EQ(g->score, 36);
  EXPECT_EQ(g->explosion_count, 1);
  EXPECT_EQ(testing::StartsOf(*g, kSoundExplosion1), 1);
}

TEST(Matching, AStoneOnAFieldOfItsOwnColourScoresDoubleButADropFieldNeverDoubles) {
  auto own = RectangleWith({{157, 498}, {178, 486}, {199, 498}}, 5);
  Tick(*own);
  EXPECT_EQ(own->score, 18);
  EXPECT_TRUE(testing::WroteAnywhere(*own, "2 X 3"));

  // A row of three drop fields of colour 5 with nothing below them.
  auto drop = testing::ColumnGame(0);
  for (Spot s : {Spot{300, 498}, Spot{321, 486}, Spot{342, 498}}) {
    AddBoardCell(*drop, static_cast<std::int16_t>(s.x), static_cast<std::int16_t>(s.y), 5);
  }
  LinkNeighbors(*drop);
  MarkDropFields(*drop);
  drop->dynamic_slot_floor = drop->slot_top;
  for (Spot s : {Spot{300, 498}, Spot{321, 486}, Spot{342, 498}})
    PutStone(*drop, CellAt(*drop, s.x, s.y), 5);
  Tick(*drop);
  EXPECT_EQ(drop->score, 9);
}

TEST(Matching, TwoTouchingStonesNeverExplodeButAThirdSetsThemOff) {
  auto g = RectangleWith({{157, 498}, {178, 486}}, 1);
  Tick(*g, 5);
  EXPECT_EQ(g->explosion_count, 0);
  PutStone(*g, CellAt(*g, 199, 498), 1);
  Tick(*g);
  EXPECT_EQ(g->explosion_count, 1);
  EXPECT_EQ(g->score, 9);
}

TEST(Matching, AFallingStoneNeverMatchesEvenWhileTouchingItsColour) {
  auto g = RectangleWith({{157, 474}, {199, 474}}, 3);
  PutStone(*g, CellAt(*g, 157, 498), 1);
  PutStone(*g, CellAt(*g, 199, 498), 2);
  PutStone(*g, CellAt(*g, 178, 462), 3);  // falls through between the two
  Tick(*g);
  EXPECT_EQ(g->explosion_count, 0);
  EXPECT_EQ(g->obj.rest_colour[CellAt(*g, 178, 462)], 0);
  Tick(*g);  // lands on the bottom row and rests between them
  EXPECT_EQ(g->explosion_count, 1);
  EXPECT_EQ(g->score, 9);
}

TEST(Matching, ExplosionsStartInFrameFourToSixAboveEverythingElse) {
  auto g = RectangleWith({{157, 498}, {178, 486}, {199, 498}}, 2);
  g->free_slot_cursor = kSlotCount;
  SettleStones(*g);
  ExplodeStones(*g, MatchStones(*g));
  int explosions = 0;
  for (int s = 1; s <= kSlotCount; ++s) {
    if (!g->obj.alive[s] || g->obj.kind[s] != kKindExplosion) continue;
    ++explosions;
    EXPECT_GE(g->obj.frame[s], 4);
    EXPECT_LE(g->obj.frame[s], 6);
    EXPECT_EQ(g->obj.variant[s], 2);
    EXPECT_EQ(g->obj.depth[s], 104);
  }
  EXPECT_EQ(explosions, 3);
  EXPECT_EQ(g->shake, 2);
}

}  // namespace
}  // namespace klumpix
