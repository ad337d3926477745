#include "world/objects.h"

#include <gtest/gtest.h>

#include "support/game_fixture.h"

namespace klumpix {
namespace {

TEST(ObjectTable, ClearAllSlotsLeavesNothingAliveAndVariantOne) {
  auto g = testing::NewGame();
  g->obj.alive[5] = 1;
  g->obj.variant[5] = 4;
  g->obj.neighbor[5][3] = 77;
  g->obj.depth[5] = 90;
  ClearAllSlots(*g);
  for (int s = 1; s <= kSlotCount; ++s) {
    EXPECT_EQ(g->obj.alive[s], 0);
    EXPECT_EQ(g->obj.variant[s], 1);
  }
  EXPECT_EQ(g->obj.neighbor[5][3], 0);
  EXPECT_EQ(g->obj.depth[5], 90);  // kept: meaningless while dead
}

TEST(DynamicSlots, TopDownWithinATickAndFromTheTopAgainNextTick) {
  auto g = testing::NewGame();
  g->dynamic_slot_floor = 400;
  g->free_slot_cursor = kSlotCount;
  const std::int16_t first = AllocateDynamicSlot(*g);
  g->obj.alive[first] = 1;
  const std::int16_t second = AllocateDynamicSlot(*g);
  g->obj.alive[second] = 1;
  EXPECT_EQ(first, 899);
  EXPECT_EQ(second, 898);

  // A slot freed above the cursor is only found again next tick.
  ClearSlot(*g, 899);
  EXPECT_EQ(AllocateDynamicSlot(*g), 897);
  g->free_slot_cursor = kSlotCount;
  EXPECT_EQ(AllocateDynamicSlot(*g), 899);
}

TEST(DynamicSlots, NeverHandsOutSlot900NorALivePlayfieldSlot) {
  auto g = testing::NewGame();
  g->dynamic_slot_floor = 524;
  for (int s = 1; s <= 524; ++s) g->obj.alive[s] = 1;
  g->free_slot_cursor = kSlotCount;
  int handed_out = 0;
  for (;;) {
    const std::int16_t s = AllocateDynamicSlot(*g);
    if (s == 0) break;
    ASSERT_GT(s, 524);
    ASSERT_LT(s, 900);
    ASSERT_EQ(g->obj.alive[s], 0);
    g->obj.alive[s] = 1;
    ++handed_out;
  }
  EXPECT_EQ(handed_out, 899 - 524);
  g->free_slot_cursor = kSlotCount;
  EXPECT_EQ(AllocateDynamicSlot(*g), 0) << "a full range refuses, also in the next tick";
}

}  // namespace
}  // namespace klumpix
