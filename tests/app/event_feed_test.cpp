#include "app/event_feed.h"

#include <gtest/gtest.h>

#include <memory>

#include "shell/game.h"
#include "shell/sound.h"
#include "shell/winners_storage.h"
#include "tick/tick.h"

namespace klumpix {
namespace {

std::vector<InputEvent> Script(const char* text) {
  InputScript s;
  std::string error;
  EXPECT_TRUE(ParseInputScript(text, "feed.txt", s, error)) << error;
  return s.events;
}

class EventFeedTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g = std::make_unique<Game>();
    ResetGame(*g);
    FormCreate(*g);
  }
  // Runs one of the quiet ticks before start-up, which only clear the screen.
  void QuietTick() {
    WinnersInMemory winners;
    DXTimer1Timer(*g, winners);
  }
  std::unique_ptr<Game> g;
};

TEST_F(EventFeedTest, EventsStampedTArriveJustBeforeTickT) {
  const auto events = Script("3 move 10 20\n3 down right\n5 move 30 40\n");
  EventFeed feed(events);
  for (int t = 0; t < 3; ++t) {
    feed.DeliverDue(*g, nullptr);
    EXPECT_FALSE(g->mouse.right_button_down) << "before tick " << t;
    QuietTick();
  }
  feed.DeliverDue(*g, nullptr);  // before tick 3
  EXPECT_TRUE(g->mouse.right_button_down);
  EXPECT_EQ(g->mouse.mouse_x, 10);
  QuietTick();
  feed.DeliverDue(*g, nullptr);  // before tick 4: nothing new
  EXPECT_EQ(g->mouse.mouse_x, 10);
  EXPECT_FALSE(feed.Done());
  QuietTick();
  feed.DeliverDue(*g, nullptr);  // before tick 5
  EXPECT_EQ(g->mouse.mouse_x, 30);
  EXPECT_EQ(g->mouse.mouse_y, 40);
  EXPECT_TRUE(feed.Done());
}

TEST_F(EventFeedTest, EventsOfOneTickKeepFileOrder) {
  // Press then release leaves the button up once the tick has seen it; the
  // reverse leaves it held.
  const auto up_last = Script("0 down left\n0 up left\n");
  EventFeed first(up_last);
  first.DeliverDue(*g, nullptr);
  SettlePresses(*g);
  EXPECT_FALSE(g->mouse.left_button_down);

  const auto down_last = Script("0 up left\n0 down left\n");
  EventFeed second(down_last);
  second.DeliverDue(*g, nullptr);
  EXPECT_TRUE(g->mouse.left_button_down);
}

TEST_F(EventFeedTest, EachEventCallsItsHandler) {
  const auto events = Script("0 move 5 6\n0 down left ctrl\n0 click\n0 down right\n0 up right\n");
  const bool sound_before = g->settings.sound_on;
  EventFeed feed(events);
  std::vector<InputEvent> delivered;
  feed.DeliverDue(*g, &delivered);
  EXPECT_EQ(g->mouse.mouse_x, 5);
  EXPECT_EQ(g->mouse.mouse_y, 6);
  EXPECT_NE(g->settings.sound_on, sound_before);  // Ctrl + left toggles sound ...
  EXPECT_FALSE(g->mouse.left_button_down);        // ... and holds no button
  EXPECT_TRUE(g->mouse.clicked);
  SettlePresses(*g);
  EXPECT_FALSE(g->mouse.right_button_down);
  EXPECT_EQ(delivered, events);
}

}  // namespace
}  // namespace klumpix
