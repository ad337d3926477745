// The store refills by countdown; the start value sinks and pays bonuses.
#include <gtest/gtest.h>

#include "play/play_steps.h"
#include "play_fixture.h"

namespace klumpix {
namespace {

using testing::RunningGame;
using testing::StartsOf;
using testing::Tick;

TEST(RowCountdown, TheFirstRowIsFilledInTheHundredAndThirtyFirstTick) {
  auto g = RunningGame(3);
  Tick(*g, 130);
  EXPECT_EQ(g->stone_store.store[1][1], 0);
  EXPECT_EQ(g->stone_store.row_countdown[1], 0);
  Tick(*g);
  for (int k = 1; k <= 3; ++k) {
    ASSERT_NE(g->stone_store.store[1][k], 0);
    EXPECT_EQ(g->obj.x[g->stone_store.store[1][k]], 150);
    EXPECT_EQ(g->obj.y[g->stone_store.store[1][k]], 26 * k + 80);
    EXPECT_GE(g->obj.variant[g->stone_store.store[1][k]], 1);
    EXPECT_LE(g->obj.variant[g->stone_store.store[1][k]], 6);
  }
  EXPECT_EQ(StartsOf(*g, kSoundPloing2), 1);
  EXPECT_EQ(g->obj.frame[22], 2);  // shadow of the row's top store field
  EXPECT_EQ(g->stone_store.active_row, 2);
  // One start-value step has passed meanwhile: row 2 waits with 129.
  EXPECT_EQ(g->stone_store.row_countdown[2], 129);
}

TEST(RowCountdown, ATakenRowIsRefilledAfterTheWaitingRowsLeftOfIt) {
  auto g = RunningGame(3);
  testing::FillStoreRow(*g, 1);
  testing::FillStoreRow(*g, 2);
  g->stone_store.active_row = 3;
  g->stone_store.row_countdown[3] = 0;
  g->stone_store.row_countdown[1] = g->stone_store.countdown_start;  // taken by the player
  Tick(*g);
  EXPECT_NE(g->stone_store.store[3][1], 0);
  EXPECT_EQ(g->stone_store.active_row, 1);
}

TEST(RowCountdown, ARowThatFindsNoRoomForAllThreeStonesStaysEmptyAndIsTriedAgain) {
  auto g = RunningGame(3);
  g->stone_store.row_countdown[1] = 0;
  // Leave two free slots in the whole dynamic range.
  for (int s = g->dynamic_slot_floor + 1; s < kSlotCount; ++s) g->obj.alive[s] = 1;
  g->obj.alive[700] = 0;
  g->obj.alive[600] = 0;
  Tick(*g);
  EXPECT_EQ(g->stone_store.store[1][1], 0);
  EXPECT_EQ(g->obj.alive[700], 0);
  EXPECT_EQ(g->obj.alive[600], 0);
  EXPECT_EQ(g->stone_store.active_row, 1);
  EXPECT_EQ(g->stone_store.row_countdown[1], 0);
  EXPECT_EQ(StartsOf(*g, kSoundPloing2), 0);

  g->obj.alive[500] = 0;
  Tick(*g);
  EXPECT_NE(g->stone_store.store[1][3], 0);
  EXPECT_EQ(g->stone_store.active_row, 2);
}

TEST(CountdownStart, SinksInTick101ThenEvery201TicksAndPaysEachBonusOnce) {
  auto g = RunningGame(3);
  int tick = 0;
  auto step_to = [&](int last) {
    for (; tick < last; ++tick) StepCountdownStart(*g);
  };
  step_to(100);
  EXPECT_EQ(g->stone_store.countdown_start, 130);
  step_to(101);
  EXPECT_EQ(g->stone_store.countdown_start, 129);
  EXPECT_EQ(g->stone_store.row_countdown[2], 129);  // waiting rows follow
  step_to(302);
  EXPECT_EQ(g->stone_store.countdown_start, 128);

  step_to(2110);
  EXPECT_EQ(g->score, 0);
  step_to(2111);
  EXPECT_EQ(g->score, 100);
  EXPECT_TRUE(g->stone_store.bonus_given[1]);
  EXPECT_EQ(g->floating_text[1].text, "100 AUFF\xDCLLBONUS");
  EXPECT_EQ(g->floating_text[1].y, 160);
  step_to(4121);
  EXPECT_EQ(g->score, 300);
  step_to(24220);
  EXPECT_EQ(g->score, 100 * (1 + 2 + 3 + 4 + 5 + 6 + 7 + 8 + 9 + 10 + 11));
  step_to(24221);
  EXPECT_EQ(g->score, 100 * 78);

  step_to(25828);
  EXPECT_EQ(g->stone_store.countdown_start, 2);
  step_to(25829);
  EXPECT_EQ(g->stone_store.countdown_start, 1);
  EXPECT_EQ(g->stone_store.row_countdown[14], 1);
  step_to(26030);
  EXPECT_EQ(g->stone_store.countdown_start, 1);
  EXPECT_EQ(g->stone_store.row_countdown[14], 0);
  EXPECT_FALSE(g->stone_store.bonus_given[13]);
  EXPECT_EQ(g->score, 100 * 78);
}

TEST(CountdownStart, WithTheWaitingRowsAtZeroTheNextFillEndsTheGame) {
  auto g = RunningGame(3);
  g->winner_score[3][5] = 1000000;
  g->stone_store.countdown_start = 1;
  for (int r = 1; r <= kStoreRows; ++r) g->stone_store.row_countdown[r] = 0;
  Tick(*g);
  EXPECT_NE(g->stone_store.store[1][1], 0);
  EXPECT_EQ(g->stone_store.store[2][1], 0);
  EXPECT_TRUE(g->game_over);
  EXPECT_EQ(g->stone_store.active_row, 15);
}

TEST(EndOfGame, AFullStoreEndsTheGameWithGameOverInTheSameTick) {
  auto g = RunningGame(3);
  g->winner_score[3][5] = 1000000;
  for (int r = 1; r <= 13; ++r) testing::FillStoreRow(*g, r);
  g->stone_store.active_row = 14;
  g->stone_store.row_countdown[14] = 0;
  Tick(*g);
  EXPECT_TRUE(g->game_over);
  EXPECT_NE(g->stone_store.store[14][3], 0);
  EXPECT_EQ(g->stone_store.active_row, 15);
  EXPECT_TRUE(testing::Wrote(*g, 130, 260, 3, "GAME OVER"));
  EXPECT_EQ(StartsOf(*g, kSoundBallweg), 1);
  EXPECT_EQ(g->floating_text[1].text, "LAGER VOLL !");
  EXPECT_EQ(g->screen_mode, kModePlay);

  // Over: nothing counts down any more, and the panel says so.
  const std::int32_t start_timer = g->stone_store.countdown_start_timer;
  Tick(*g);
  EXPECT_EQ(g->stone_store.countdown_start_timer, start_timer);
  EXPECT_TRUE(testing::Wrote(*g, 650, 350, 6, "SPIEL BEENDET"));
  g->confirm_open = true;
  Tick(*g);
  EXPECT_FALSE(testing::WroteAnywhere(*g, "GAME OVER"));
}

TEST(EndOfGame, AWinningScoreGoesToTheNameEntryInTheSameTick) {
  auto g = RunningGame(3);
  g->winner_score[3][5] = 10;
  g->score = 11;
  g->entry.entry_name.Assign("OLD");
  g->entry.entry_name_length = 3;
  g->game_over = true;
  Tick(*g);
  EXPECT_EQ(g->screen_mode, kModeNameEntry);
  EXPECT_EQ(StartsOf(*g, kSoundTusch), 1);
  EXPECT_EQ(g->entry.entry_name_length, 0);
  EXPECT_TRUE(g->entry.entry_name.Empty());
}

}  // namespace
}  // namespace klumpix
