#include "world/floor.h"

#include <gtest/gtest.h>

#include "support/game_fixture.h"

namespace klumpix {
namespace {

TEST(Floor, CoversThirtyByTwentyEightTilesColumnByColumn) {
  auto g = testing::NewGame();
  g->rng.Seed(1, 0);
  BuildFloor(*g);
  ASSERT_EQ(g->floor.floor_tile_count, 840);
  EXPECT_EQ(g->floor.floor_tile_x[1], 30);
  EXPECT_EQ(g->floor.floor_tile_y[1], 30);
  EXPECT_EQ(g->floor.floor_tile_y[2], 50);  // rows run inside columns
  EXPECT_EQ(g->floor.floor_tile_x[29], 50);
  EXPECT_EQ(g->floor.floor_tile_x[840], 610);
  EXPECT_EQ(g->floor.floor_tile_y[840], 570);
  for (int n = 1; n <= 840; ++n) {
    EXPECT_EQ(g->floor.floor_tile_design[n], g->floor.floor_tile_design[1]);
    EXPECT_GE(g->floor.floor_tile_design[n], 1);
    EXPECT_LE(g->floor.floor_tile_design[n], 13);
  }
}

TEST(Lights, BeyondFiftyAreIgnored) {
  auto g = testing::NewGame();
  g->settings.light_level = 25000;
  for (int i = 0; i < 60; ++i) AddLight(*g, static_cast<std::int16_t>(i), 7, 1.0);
  EXPECT_EQ(g->lights.light_count, 50);
  EXPECT_EQ(g->lights.light_x[50], 49);
}

TEST(Lights, StrengthFollowsTheLightLevel) {
  auto g = testing::NewGame();
  g->settings.light_level = 50000;
  AddLight(*g, 0, 0, 3.0);
  g->settings.light_level = 15000;
  AddLight(*g, 0, 0, 3.0);
  EXPECT_DOUBLE_EQ(g->lights.light_strength[1], 6.0);
  EXPECT_DOUBLE_EQ(g->lights.light_strength[2], 1.8);
}

TEST(TileBrightness, DarkWithoutLightsFullOnALightAndByDistanceBetween) {
  auto g = testing::NewGame();
  g->rng.Seed(1, 0);
  g->settings.light_level = 25000;
  BuildFloor(*g);
  EXPECT_EQ(TileBrightness(*g, 1), 1);

  AddLight(*g, 30, 30, 3.0);  // exactly on tile 1's corner
  EXPECT_EQ(TileBrightness(*g, 1), 31);

  // Tile 6 lies 100 pixels below the light: 3 * 512 / 100 = 15.36 -> 15, less 10.
  EXPECT_EQ(TileBrightness(*g, 6), 5);
}

}  // namespace
}  // namespace klumpix
