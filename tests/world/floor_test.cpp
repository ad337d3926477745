#include "world/floor.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "shell/assets.h"
#include "shell/frame.h"
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

// The frame keeps each tile's brightness from its last floor and computes
// only the lights that came or went; every picture must still show the
// column TileBrightness names, tick after tick.
TEST(DrawFloor, CarriedOverBrightnessMatchesTheLightsOfEachTick) {
  auto g = testing::NewGame();
  g->rng.Seed(3, 0);
  BuildFloor(*g);
  // A sheet whose every pixel names its tile column and design row.
  auto pictures = std::make_unique<PictureSet>();
  Picture& sheet = pictures->sheets[kPicFloor];
  sheet.width = 640;
  sheet.height = 280;
  for (int y = 0; y < sheet.height; ++y) {
    for (int x = 0; x < sheet.width; ++x) {
      sheet.pixels.push_back(static_cast<std::uint16_t>(x / 20 + 32 * (y / 20)));
    }
  }
  auto frame = std::make_unique<Frame>();
  std::mt19937 dice(8);
  const double kinds[] = {0.3, 0.5, 0.7, 1.0, 2.0, 3.0};
  for (int tick = 0; tick < 120; ++tick) {
    if (tick == 60) BuildFloor(*g);  // another design, the same places
    // Most lights stay, some go, some come; at times the same light twice.
    Lights kept = g->lights;
    g->lights.light_count = 0;
    for (int k = 1; k <= kept.light_count; ++k) {
      if (dice() % 5 == 0) continue;
      AddLight(*g, static_cast<std::int16_t>(kept.light_x[k]),
               static_cast<std::int16_t>(kept.light_y[k]), 1.0);
      g->lights.light_strength[g->lights.light_count] = kept.light_strength[k];
    }
    for (int n = static_cast<int>(dice() % 4); n > 0; --n) {
      g->settings.light_level = 15000 + static_cast<std::int32_t>(dice() % 35001);
      const bool on_a_tile = dice() % 3 == 0;
      const auto x =
          static_cast<std::int16_t>(on_a_tile ? 30 + 20 * (dice() % 30) : dice() % 900 - 50);
      const auto y =
          static_cast<std::int16_t>(on_a_tile ? 30 + 20 * (dice() % 28) : dice() % 700 - 50);
      AddLight(*g, x, y, kinds[dice() % 6]);
      if (dice() % 8 == 0) AddLight(*g, x, y, kinds[dice() % 6]);
    }
    // The frame paints only the tiles whose brightness changed.
    frame->drawing.Begin();
    DrawFloor(*g, *pictures, *frame);
    frame->drawing.Paint(frame->screen);
    for (int n = 1; n <= g->floor.floor_tile_count; ++n) {
      const std::uint16_t drawn =
          frame->screen.pixels[g->floor.floor_tile_y[n] * kScreenWidth + g->floor.floor_tile_x[n]];
      ASSERT_EQ(drawn % 32, TileBrightness(*g, static_cast<std::int16_t>(n)))
          << "tick " << tick << ", tile " << n;
      ASSERT_EQ(drawn / 32, g->floor.floor_tile_design[n]) << "tick " << tick << ", tile " << n;
    }
  }
}

// A floor sheet too narrow for every brightness is no grid: the tiles are
// copied one by one over a black screen, and a tile whose column the sheet
// lacks stays black.
TEST(DrawFloor, ASheetTooNarrowForTheGridStillLightsEachTileItHas) {
  auto g = testing::NewGame();
  g->rng.Seed(5, 0);
  BuildFloor(*g);
  g->settings.light_level = 25000;
  AddLight(*g, 300, 300, 3.0);
  auto pictures = std::make_unique<PictureSet>();
  Picture& sheet = pictures->sheets[kPicFloor];
  sheet.width = 400;  // columns 0..19 of 32
  sheet.height = 280;
  for (int y = 0; y < sheet.height; ++y) {
    for (int x = 0; x < sheet.width; ++x) {
      sheet.pixels.push_back(static_cast<std::uint16_t>(1 + x / 20 + 32 * (y / 20)));
    }
  }
  auto frame = std::make_unique<Frame>();
  int lit = 0;
  int missing = 0;
  for (int tick = 0; tick < 2; ++tick) {
    frame->drawing.Begin();
    DrawFloor(*g, *pictures, *frame);
    frame->drawing.Paint(frame->screen);
    for (int n = 1; n <= g->floor.floor_tile_count; ++n) {
      const int column = TileBrightness(*g, static_cast<std::int16_t>(n));
      const std::uint16_t want =
          column < 20 ? static_cast<std::uint16_t>(1 + column + 32 * g->floor.floor_tile_design[n])
                      : 0;
      ASSERT_EQ(
          frame->screen.pixels[g->floor.floor_tile_y[n] * kScreenWidth + g->floor.floor_tile_x[n]],
          want)
          << "tick " << tick << ", tile " << n;
      lit += column < 20 && column > 1;
      missing += column >= 20;
    }
    g->lights.light_count = 0;
    AddLight(*g, 500, 200, 2.0);
  }
  EXPECT_GT(lit, 0);
  EXPECT_GT(missing, 0);
}

}  // namespace
}  // namespace klumpix
