// What the buttons do: screens, game flags, settings and the exit box.
#include "tick/buttons.h"

#include <gtest/gtest.h>

#include "board/board_test_util.h"
#include "board/confirm_box.h"
#include "shell/winners_storage.h"
#include "tick/object_update.h"

namespace klumpix {
namespace {

// The buttons never reach ENTER's save here; a table in memory stands by.
WinnersInMemory winners;

std::unique_ptr<Game> ReadyBoard() {
  auto g = test::BoardOfType(3);
  g->settings.sound_volume = 35000;
  g->settings.light_level = 25000;
  return g;
}

bool BoxShown(const Game& g) {
  return g.obj.alive[kSlotConfirmPanel] > 0 && g.obj.alive[kSlotJa] > 0 &&
         g.obj.alive[kSlotNein] > 0;
}

void Press(Game& g, std::int16_t slot) {
  g.mouse.left_button_down = true;
  ButtonAction(g, slot, winners);
}

// One object-update walk with the pointer on `slot` and the left button held.
void HoldOn(Game& g, std::int16_t slot) {
  g.mouse.mouse_x = g.obj.x[slot];
  g.mouse.mouse_y = g.obj.y[slot];
  UpdateObjects(g, winners);
}

TEST(Buttons, ExitOpensTheBoxOnceAndScreenButtonsCloseIt) {
  auto g = ReadyBoard();
  UpdateObjects(*g, winners);  // gives the buttons their size
  g->screen_mode = kModeHelp;
  g->mouse.left_button_down = true;
  HoldOn(*g, kSlotExit);
  ASSERT_TRUE(BoxShown(*g));
  EXPECT_TRUE(g->confirm_open);
  EXPECT_EQ(g->screen_mode, kModePlay);
  EXPECT_EQ(g->obj.tag[kSlotConfirmPanel], kConfirmBoxNumber);
  EXPECT_EQ(g->obj.x[kSlotNein], 481);

  // Held on: the box is not made again.
  g->obj.x[kSlotConfirmPanel] = 401;
  HoldOn(*g, kSlotExit);
  HoldOn(*g, kSlotExit);
  EXPECT_EQ(g->obj.x[kSlotConfirmPanel], 401);

  for (std::int16_t slot : {kSlotSpiel, kSlotHilfe, kSlotNein, kSlotInfo}) {
    Press(*g, kSlotExit);
    Press(*g, slot);
    EXPECT_FALSE(g->confirm_open) << slot;
    EXPECT_FALSE(BoxShown(*g)) << slot;
  }
  EXPECT_EQ(g->screen_mode, kModeInfo);

  // With no box open, closing leaves whatever lives in its slots alone.
  g->obj.alive[kSlotJa] = 1;
  CloseConfirmBox(*g);
  EXPECT_EQ(g->obj.alive[kSlotJa], 1);

  Press(*g, kSlotJa);
  EXPECT_TRUE(g->quit_requested);
}

TEST(Buttons, NameEntryIgnoresScreenButtonsAndOnlyThereNeuActs) {
  auto g = ReadyBoard();
  g->screen_mode = kModeNameEntry;
  g->entry.entry_name.Assign("ABC");
  g->entry.entry_name_length = 3;
  for (std::int16_t slot : {kSlotExit, kSlotSpiel, kSlotHilfe, kSlotInfo}) Press(*g, slot);
  EXPECT_EQ(g->screen_mode, kModeNameEntry);
  EXPECT_FALSE(g->confirm_open);
  EXPECT_FALSE(BoxShown(*g));

  // Outside the name entry NEU keeps the name and ENTER neither stores nor rebuilds.
  g->screen_mode = kModePlay;
  g->game_running = true;
  g->score = 999;
  g->entry.winner_place = 2;
  Press(*g, kSlotNeu);
  Press(*g, kSlotEnter);
  EXPECT_EQ(g->entry.entry_name_length, 3);
  EXPECT_EQ(g->winner_score[3][2], 0);
  EXPECT_TRUE(g->game_running);

  g->screen_mode = kModeNameEntry;
  Press(*g, kSlotNeu);
  EXPECT_EQ(g->entry.entry_name_length, 0);
  EXPECT_TRUE(g->entry.entry_name.Empty());
}

TEST(Buttons, EndeEndsOnlyARunningGame) {
  auto g = ReadyBoard();
  Press(*g, kSlotEnde);
  EXPECT_FALSE(g->game_over);
  Press(*g, kSlotStart);
  EXPECT_TRUE(g->game_running);
  Press(*g, kSlotEnde);
  EXPECT_TRUE(g->game_over);
}

TEST(Buttons, StartGivesUpAnyStateForANewRunningGame) {
  auto g = ReadyBoard();
  g->screen_mode = kModeNameEntry;
  g->game_running = true;
  g->game_over = true;
  g->score = 4321;
  Press(*g, kSlotExit);
  g->screen_mode = kModeNameEntry;
  Press(*g, kSlotStart);
  EXPECT_EQ(g->screen_mode, kModePlay);
  EXPECT_TRUE(g->game_running);
  EXPECT_FALSE(g->game_over);
  EXPECT_EQ(g->score, 0);
  EXPECT_FALSE(g->confirm_open);
  EXPECT_FALSE(BoxShown(*g));
}

TEST(Buttons, AHeldStartActsOncePerPress) {
  auto g = ReadyBoard();
  UpdateObjects(*g, winners);
  g->mouse.left_button_down = true;
  HoldOn(*g, kSlotStart);
  EXPECT_TRUE(g->game_running);
  EXPECT_FALSE(g->mouse.left_button_down);

  // Still held, but the press is used up: the game goes on undisturbed.
  g->score = 77;
  HoldOn(*g, kSlotStart);
  EXPECT_EQ(g->score, 77);
  g->mouse.left_button_down = true;  // a new press
  HoldOn(*g, kSlotStart);
  EXPECT_EQ(g->score, 0);
}

TEST(Buttons, SoundAndLichtStepWithinTheirBounds) {
  auto g = ReadyBoard();
  g->settings.sound_volume = 50000;
  g->settings.light_level = 50000;
  g->mouse.left_button_down = true;
  g->mouse.right_button_down = true;
  ButtonAction(*g, kSlotSound, winners);  // up refused at the top, down applies
  ButtonAction(*g, kSlotLicht, winners);
  EXPECT_EQ(g->settings.sound_volume, 49900);
  EXPECT_EQ(g->settings.light_level, 49900);
  ButtonAction(*g, kSlotSound, winners);  // in range both steps cancel out
  EXPECT_EQ(g->settings.sound_volume, 49900);

  g->mouse.left_button_down = false;
  g->settings.sound_volume = 10000;
  g->settings.light_level = 15000;
  ButtonAction(*g, kSlotSound, winners);
  ButtonAction(*g, kSlotLicht, winners);
  EXPECT_EQ(g->settings.sound_volume, 10000);
  EXPECT_EQ(g->settings.light_level, 15000);
  g->settings.sound_volume = 10100;
  ButtonAction(*g, kSlotSound, winners);
  EXPECT_EQ(g->settings.sound_volume, 10000);

  g->mouse.right_button_down = false;
  g->mouse.left_button_down = true;
  g->settings.light_level = 49950;
  ButtonAction(*g, kSlotLicht, winners);
  EXPECT_EQ(g->settings.light_level, 50050);
}

TEST(Buttons, TheRightButtonDoesNothingElsewhere) {
  auto g = ReadyBoard();
  g->mouse.right_button_down = true;
  g->game_running = true;
  for (std::int16_t slot = kSlotExit; slot <= kSlotNein; ++slot) {
    if (slot != kSlotSound && slot != kSlotLicht) ButtonAction(*g, slot, winners);
  }
  EXPECT_EQ(g->screen_mode, kModePlay);
  EXPECT_FALSE(g->game_over);
  EXPECT_FALSE(g->confirm_open);
  EXPECT_FALSE(g->quit_requested);
  EXPECT_FALSE(BoxShown(*g));
  EXPECT_EQ(g->settings.sound_volume, 35000);
  EXPECT_EQ(g->settings.light_level, 25000);
}

}  // namespace
}  // namespace klumpix
