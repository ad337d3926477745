#include "app/window_size.h"

#include <gtest/gtest.h>

namespace klumpix {
namespace {

TEST(WindowSize, AKeptSizeFitsTheDisplayAndNeverOpensTiny) {
  // A hand-edited settings file on a 1920 x 1080 desktop with a 40-pixel panel.
  int width = 16384, height = 16384;
  FitWindowSize(1920, 1040, width, height);
  EXPECT_EQ(width, 1920);
  EXPECT_EQ(height, 1040);

  width = 100, height = 100;
  FitWindowSize(1920, 1040, width, height);
  EXPECT_EQ(width, 400);
  EXPECT_EQ(height, 300);

  // A size that fits is kept as it was.
  width = 1000, height = 700;
  FitWindowSize(1920, 1040, width, height);
  EXPECT_EQ(width, 1000);
  EXPECT_EQ(height, 700);
}

}  // namespace
}  // namespace klumpix
