#include "tick/tick.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "app/picture_loading.h"
#include "shell/assets.h"
#include "shell/frame.h"
#include "shell/mouse.h"
#include "shell/sound.h"
#include "shell/winners_storage.h"
#include "support/game_fixture.h"

namespace klumpix {
namespace {

const PictureSet& RealPictures() {
  static PictureSet set;
  static bool loaded = [] {
    std::string error;
    const bool ok = LoadPictures(KLUMPIX_TEST_RES_DIR, set, error);
    if (!ok) std::fprintf(stderr, "%s\n", error.c_str());
    return ok;
  }();
  EXPECT_TRUE(loaded);
  return set;
}

class TickTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_ = testing::NewGame();
    g_->seed = 4711;
    FormCreate(*g_);
  }
  // The tick and its picture, as a run shows it.
  void Tick() {
    DXTimer1Timer(*g_, winners_);
    DrawTick(*g_, RealPictures(), *frame_);
  }
  bool ScreenIsBlack() const {
    for (std::uint16_t px : frame_->screen.pixels)
      if (px != 0) return false;
    return true;
  }
  std::unique_ptr<Game> g_;
  std::unique_ptr<Frame> frame_ = std::make_unique<Frame>();
  WinnersInMemory winners_;
};

TEST_F(TickTest, TheFirstTenTicksStayBlackWhateverTheMouseDoes) {
  for (int t = 0; t < 10; ++t) {
    DXDraw1MouseMove(*g_, 51, 200);  // over START
    DXDraw1MouseDown(*g_, MouseButton::kLeft, false);
    DXDraw1Click(*g_);
    Tick();
    EXPECT_TRUE(ScreenIsBlack()) << "tick " << t;
    EXPECT_EQ(g_->screen_mode, 0);
  }
  EXPECT_EQ(g_->tick_count, 10);
}

TEST_F(TickTest, StartUpTickBuildsTheVBoardAndDrawsIt) {
  for (int t = 0; t <= 10; ++t) Tick();
  EXPECT_EQ(g_->tick_count, 11);
  EXPECT_EQ(g_->screen_mode, kModePlay);
  EXPECT_EQ(g_->game_type, 3);
  EXPECT_EQ(g_->slot_top, 402);
  EXPECT_EQ(g_->mouse.mouse_x, 400);  // start-up puts the pointer in the middle
  EXPECT_FALSE(g_->game_running);
  EXPECT_FALSE(ScreenIsBlack());
  EXPECT_EQ(g_->lights.light_count, 4);  // the play screen's four steady lights
  EXPECT_GT(g_->text.text_cell_count, 0);
}

TEST_F(TickTest, AClickIsSeenByExactlyOneTick) {
  for (int t = 0; t <= 10; ++t) Tick();
  g_->screen_mode = kModeNameEntry;
  DXDraw1MouseMove(*g_, 105, 370);  // the letter A
  DXDraw1Click(*g_);
  DXDraw1Click(*g_);  // two clicks between ticks count as one
  Tick();
  Tick();
  EXPECT_STREQ(g_->entry.entry_name.c_str(), "A");
}

TEST_F(TickTest, QuitStillDrawsAndSoundsTheLastTick) {
  for (int t = 0; t <= 10; ++t) Tick();
  DXDraw1MouseMove(*g_, 54, 52);  // EXIT
  DXDraw1MouseDown(*g_, MouseButton::kLeft, false);
  Tick();  // box created; its buttons get their sizes in this update
  ASSERT_TRUE(g_->confirm_open);
  DXDraw1MouseUp(*g_, MouseButton::kLeft);
  DXDraw1MouseMove(*g_, 323, 348);  // JA
  Tick();
  DXDraw1MouseDown(*g_, MouseButton::kLeft, false);
  RequestSound(*g_, kSoundTusch, 323);
  Tick();
  EXPECT_TRUE(g_->quit_requested);
  ASSERT_EQ(g_->sounds.started_sound_count, 1);
  EXPECT_EQ(g_->sounds.started_sounds[0].sound, kSoundTusch);
  EXPECT_FALSE(g_->timer_enabled);
  EXPECT_FALSE(ScreenIsBlack());
  EXPECT_EQ(g_->tick_count, 14);
}

}  // namespace
}  // namespace klumpix
