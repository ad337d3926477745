// A new board puts the play state back to the start of a game.
#include <gtest/gtest.h>

#include "board/board_test_util.h"
#include "shell/winners_storage.h"
#include "tick/buttons.h"

namespace klumpix {
namespace {

TEST(BoardBuilder, ANewBoardStartsFromAFreshPlayState) {
  auto g = test::BoardOfType(5);
  g->mouse.left_button_down = true;
  WinnersInMemory winners;
  ButtonAction(*g, kSlotExit, winners);  // the exit box is open
  g->screen_mode = kModeNameEntry;
  g->game_running = g->game_over = g->mouse.clicked = g->entry.entry_placed =
      g->entry.winners_write_failed = true;
  g->mouse.left_button_down = true;
  g->score = 1234;
  g->entry.winner_place = 2;
  g->stones_placed = 30;
  g->explosion_count = 4;
  g->stone_store.row_countdown[7] = 3;
  g->stone_store.store[7][2] = 700;
  g->stone_store.carried[3] = 701;
  g->stone_store.countdown_start = 90;
  g->stone_store.countdown_start_timer = 5;
  g->stone_store.active_row = 9;
  g->stone_store.bonus_given[13] = true;
  g->settings.sound_volume = 12300;
  g->winner_score[5][1] = 777;

  BuildBoard(*g);
  EXPECT_EQ(g->screen_mode, kModePlay);
  EXPECT_FALSE(g->game_running || g->game_over || g->confirm_open || g->mouse.clicked);
  EXPECT_FALSE(g->mouse.left_button_down || g->entry.entry_placed || g->entry.winners_write_failed);
  EXPECT_EQ(g->obj.alive[kSlotConfirmPanel], 0);
  EXPECT_EQ(g->score + g->entry.winner_place + g->stones_placed + g->explosion_count, 0);
  EXPECT_EQ(g->stone_store.row_countdown[7], 130);
  EXPECT_EQ(g->stone_store.row_countdown[14], 130);
  EXPECT_EQ(g->stone_store.store[7][2], 0);
  EXPECT_EQ(g->stone_store.carried[3], 0);
  EXPECT_EQ(g->stone_store.countdown_start, 130);
  EXPECT_EQ(g->stone_store.countdown_start_timer, 100);
  EXPECT_EQ(g->stone_store.active_row, 1);
  EXPECT_FALSE(g->stone_store.bonus_given[13]);
  // What the player chose and achieved stays.
  EXPECT_EQ(g->game_type, 5);
  EXPECT_EQ(g->settings.sound_volume, 12300);
  EXPECT_EQ(g->winner_score[5][1], 777);
}

}  // namespace
}  // namespace klumpix
