// A frame draws a picture only where its operations changed since the last
// one; whatever else drew into it in between, the picture must be the one a
// fresh frame draws whole.
#include "shell/frame.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "app/picture_loading.h"
#include "shell/assets.h"
#include "shell/winners_storage.h"
#include "support/game_fixture.h"
#include "support/restless_hand.h"
#include "tick/tick.h"
#include "world/floor.h"

namespace klumpix {
namespace {

TEST(Frame, APictureDrawnWhereItChangedIsThePictureDrawnWhole) {
  auto pictures = std::make_unique<PictureSet>();
  std::string error;
  ASSERT_TRUE(LoadPictures(KLUMPIX_TEST_RES_DIR, *pictures, error)) << error;
  auto g = testing::NewGame();
  g->seed = 77;
  FormCreate(*g);
  WinnersInMemory winners;
  testing::RestlessHand hand(*g, 3);
  auto kept = std::make_unique<Frame>();
  for (int tick = 0; tick < 1500; ++tick) {
    if (g->tick_count > kStartUpTick) hand.Act();
    DXTimer1Timer(*g, winners);
    // Now and then something else draws into the kept frame between pictures.
    if (tick % 97 == 50) DrawFloor(*g, *pictures, *kept);
    DrawTick(*g, *pictures, *kept);
    auto fresh = std::make_unique<Frame>();
    DrawTick(*g, *pictures, *fresh);
    ASSERT_EQ(std::memcmp(kept->screen.pixels, fresh->screen.pixels, sizeof fresh->screen.pixels),
              0)
        << "tick " << tick;
  }
}

}  // namespace
}  // namespace klumpix
