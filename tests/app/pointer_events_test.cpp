#include "app/pointer_events.h"

#include <gtest/gtest.h>

#include <memory>

#include "app/event_feed.h"
#include "shell/game.h"

namespace klumpix {
namespace {

// Plays the handler calls of raw window events into a fresh game, the way
// the window's event loop does.
class WindowMouse : public ::testing::Test {
 protected:
  void SetUp() override {
    g = std::make_unique<Game>();
    ResetGame(*g);
    g->settings.sound_on = true;
  }
  void Apply(const PointerCalls& calls) {
    for (int i = 0; i < calls.count; ++i) {
      DeliverInputEvent(*g, calls.calls[i]);
      kinds.push_back(calls.calls[i].kind);
    }
  }
  std::unique_ptr<Game> g;
  PointerTranslator mouse;
  std::vector<InputKind> kinds;
};

TEST_F(WindowMouse, ASingleLeftClickGivesClickBeforeTheRelease) {
  Apply(mouse.Press(20, MouseButton::kLeft, 1, false));
  EXPECT_TRUE(g->mouse.left_button_down);
  Apply(mouse.Release(20, MouseButton::kLeft, false, true));
  EXPECT_EQ(kinds, (std::vector<InputKind>{InputKind::kDown, InputKind::kClick, InputKind::kUp}));
  EXPECT_TRUE(g->mouse.clicked);
  SettlePresses(*g);
  EXPECT_FALSE(g->mouse.left_button_down);
}

TEST_F(WindowMouse, TheSecondPressOfADoubleClickGivesNoClick) {
  Apply(mouse.Press(20, MouseButton::kLeft, 1, false));
  Apply(mouse.Release(20, MouseButton::kLeft, false, true));
  Apply(mouse.Press(21, MouseButton::kLeft, 2, false));
  EXPECT_TRUE(g->mouse.left_button_down);  // the press itself still holds the button
  Apply(mouse.Release(21, MouseButton::kLeft, false, true));
  EXPECT_EQ(kinds, (std::vector<InputKind>{InputKind::kDown, InputKind::kClick, InputKind::kUp,
                                           InputKind::kDown, InputKind::kUp}));
  SettlePresses(*g);
  EXPECT_FALSE(g->mouse.left_button_down);
}

TEST_F(WindowMouse, AThirdQuickPressIsAClickAgain) {
  Apply(mouse.Press(20, MouseButton::kLeft, 1, false));
  Apply(mouse.Release(20, MouseButton::kLeft, false, true));
  Apply(mouse.Press(20, MouseButton::kLeft, 2, false));
  Apply(mouse.Release(20, MouseButton::kLeft, false, true));
  kinds.clear();
  Apply(mouse.Press(20, MouseButton::kLeft, 3, false));
  Apply(mouse.Release(20, MouseButton::kLeft, false, true));
  EXPECT_EQ(kinds, (std::vector<InputKind>{InputKind::kDown, InputKind::kClick, InputKind::kUp}));
}

TEST_F(WindowMouse, CtrlLeftTogglesSoundButStillClicks) {
  Apply(mouse.Press(20, MouseButton::kLeft, 1, true));
  EXPECT_FALSE(g->settings.sound_on);
  EXPECT_FALSE(g->mouse.left_button_down);
  Apply(mouse.Release(20, MouseButton::kLeft, true, true));
  EXPECT_TRUE(g->mouse.clicked);
  EXPECT_EQ(kinds, (std::vector<InputKind>{InputKind::kDown, InputKind::kClick, InputKind::kUp}));
}

TEST_F(WindowMouse, OtherButtonsAndReleasesOffThePictureGiveNoClick) {
  Apply(mouse.Press(20, MouseButton::kRight, 1, false));
  EXPECT_TRUE(g->mouse.right_button_down);
  Apply(mouse.Release(20, MouseButton::kRight, false, true));
  Apply(mouse.Press(20, MouseButton::kMiddle, 1, false));
  Apply(mouse.Release(20, MouseButton::kMiddle, false, true));
  Apply(mouse.Press(20, MouseButton::kLeft, 1, false));
  Apply(mouse.Release(20, MouseButton::kLeft, false, false));
  // A release without its press (the press went to another window).
  Apply(mouse.Release(20, MouseButton::kLeft, false, true));
  EXPECT_FALSE(g->mouse.clicked);
  SettlePresses(*g);
  EXPECT_FALSE(g->mouse.right_button_down);
}

TEST_F(WindowMouse, PointerPositionsStayOnThePicture) {
  Apply(mouse.Move(20, -40, 900));
  EXPECT_EQ(g->mouse.mouse_x, 0);
  EXPECT_EQ(g->mouse.mouse_y, 599);
  Apply(mouse.Move(20, 1200, -1));
  EXPECT_EQ(g->mouse.mouse_x, 799);
  EXPECT_EQ(g->mouse.mouse_y, 0);
  Apply(mouse.Move(20, 123, 456));
  EXPECT_EQ(g->mouse.mouse_x, 123);
  EXPECT_EQ(g->mouse.mouse_y, 456);
}

TEST_F(WindowMouse, CallsAreStampedWithTheTickThatWillReadThem) {
  const PointerCalls calls = mouse.Release(77, MouseButton::kLeft, false, true);
  for (int i = 0; i < calls.count; ++i) EXPECT_EQ(calls.calls[i].tick, 77);
  EXPECT_EQ(mouse.Move(78, 1, 2).calls[0].tick, 78);
}

}  // namespace
}  // namespace klumpix
