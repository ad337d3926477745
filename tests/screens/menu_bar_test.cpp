#include "screens/menu_bar.h"

#include <gtest/gtest.h>

#include "screens/screen_fixture.h"
#include "text/text_layer.h"

namespace klumpix {
namespace {

using namespace testing;

// The value line under SOUND sits at (450 - 28, 27 + 1).
std::string SoundValueShown(const Game& g) {
  const TextCall* line = TextAt(g, 422, 28);
  return line == nullptr ? std::string("(none)") : std::string(line->text.c_str());
}

TEST(MenuBarButtons, HeldSoundRaisesTheVolumeAndItsLabelFollowsOneTickLate) {
  const TempDir folder;
  auto g = StartedProgram(folder);
  ASSERT_EQ(g->settings.sound_volume, 35000);
  DXDraw1MouseMove(*g, kSound[0], kSound[1]);
  DXDraw1MouseDown(*g, MouseButton::kLeft, false);
  Tick(*g);
  EXPECT_EQ(g->settings.sound_volume, 35100);
  EXPECT_EQ(SoundValueShown(*g), "35000");
  Tick(*g, 29);
  EXPECT_EQ(g->settings.sound_volume, 38000);
  EXPECT_EQ(SoundValueShown(*g), "37900");
  DXDraw1MouseUp(*g, MouseButton::kLeft);
  Tick(*g);
  EXPECT_EQ(SoundValueShown(*g), "38000");
}

TEST(MenuBarButtons, LabelsStandBesideTheirButtonsAndTheBoxButtonsOnlyWhileOpen) {
  const TempDir folder;
  auto g = StartedProgram(folder);
  const TextCall* exit_label = FindText(*g, "EXIT");
  ASSERT_NE(exit_label, nullptr);
  EXPECT_EQ(exit_label->x, 32);
  EXPECT_EQ(exit_label->y, 48);
  EXPECT_EQ(exit_label->font, 1);
  ASSERT_NE(FindText(*g, "25000"), nullptr);
  EXPECT_EQ(FindText(*g, "25000")->x, 524);
  EXPECT_EQ(FindText(*g, "JA"), nullptr);
  EXPECT_EQ(FindText(*g, "WOLLEN SIE WIRKLICH"), nullptr);

  PressButton(*g, 54, 52);  // EXIT
  Tick(*g);
  ASSERT_TRUE(g->confirm_open);
  ASSERT_NE(FindText(*g, "JA"), nullptr);
  EXPECT_EQ(FindText(*g, "JA")->x, 306);
  EXPECT_EQ(FindText(*g, "NEIN")->x, 459);
  const TextCall* question = FindText(*g, "         ?         ");
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(question->x, 240);
  EXPECT_EQ(question->y, 270);
  EXPECT_EQ(question->font, 2);

  PressButton(*g, kSpiel[0], kSpiel[1]);
  Tick(*g);
  EXPECT_EQ(FindText(*g, "NEIN"), nullptr);
  EXPECT_EQ(FindText(*g, "DAS SPIEL VERLASSEN"), nullptr);
}

TEST(TypeMenu, ThePointerOnTheBorderBetweenTwoEntriesSelectsNothing) {
  const TempDir folder;
  auto g = StartedProgram(folder);
  DXDraw1MouseMove(*g, 700, 85);
  Tick(*g);
  for (int i = 0; i < g->text.text_call_count; ++i) {
    const TextCall& t = g->text.text_calls[i];
    EXPECT_FALSE(t.font == 1 && t.x >= 646 && t.y >= 75 && t.y <= 145) << t.text.c_str();
  }
  ClickAt(*g, 700, 85);
  EXPECT_EQ(g->game_type, 3);

  DXDraw1MouseMove(*g, 700, 86);
  Tick(*g);
  const TextCall* lit = TextAt(*g, 646, 85);
  ASSERT_NE(lit, nullptr);
  EXPECT_EQ(lit->font, 6);
  int lit_count = 0;
  for (int i = 0; i < g->text.text_call_count; ++i) {
    if (g->text.text_calls[i].x == 646 && g->text.text_calls[i].y == 85) {
      ++lit_count;
      EXPECT_EQ(g->text.text_calls[i].font, lit_count == 1 ? 6 : 1);
    }
  }
  EXPECT_EQ(lit_count, 2) << "the entry under the pointer is written again, lit";
}

TEST(TypeMenu, TheSelectedTypeIsPlainTheOthersDark) {
  const TempDir folder;
  auto g = StartedProgram(folder);
  EXPECT_EQ(FindText(*g, "-DAS V")->font, 7);
  EXPECT_EQ(FindText(*g, "-S\xC4ULEN")->font, 6);
  EXPECT_EQ(FindText(*g, "-S\xC4ULEN")->x, 676);
  EXPECT_EQ(FindText(*g, "SPIEL-ARTEN")->x, 660);
}

TEST(TypeMenu, AClickChangesTheTypeOnlyWhileNoGameRuns) {
  const TempDir folder;
  auto g = StartedProgram(folder);
  PressButton(*g, kStart[0], kStart[1]);
  ASSERT_TRUE(g->game_running);
  ClickAt(*g, 700, 80);
  EXPECT_EQ(g->game_type, 3);
  EXPECT_TRUE(g->game_running);

  PressButton(*g, kEnde[0], kEnde[1]);
  ASSERT_TRUE(g->game_over);
  ASSERT_EQ(g->screen_mode, kModePlay) << "a score of 0 wins no place";
  ClickAt(*g, 700, 80);
  EXPECT_EQ(g->game_type, 1);
  EXPECT_FALSE(g->game_running) << "the new type's board is built at once";
  EXPECT_FALSE(g->game_over);
  EXPECT_EQ(FindText(*g, "-HEXAGON GROSS")->font, 6) << "the entries were written before the click";
  Tick(*g);
  EXPECT_EQ(FindText(*g, "-HEXAGON GROSS")->font, 7);

  ClickAt(*g, 700, 140);  // entries 6..8 have a narrower zone
  EXPECT_EQ(g->game_type, 7);
  ClickAt(*g, 760, 150);
  EXPECT_EQ(g->game_type, 7);
}

TEST(WinnersView, ScoresAreRightAlignedInSevenPlaces) {
  const TempDir folder;
  auto g = StartedProgram(folder);
  g->winner_name[3][1].Assign("ANNA");
  g->winner_score[3][1] = 1234567;
  g->winner_score[3][2] = 12345;
  g->winner_score[3][3] = 10000000;
  g->winner_score[3][4] = 9999999;
  g->winner_score[3][5] = 7;
  Tick(*g);
  EXPECT_STREQ(TextAt(*g, 700, 475)->text.c_str(), "1234567");
  EXPECT_STREQ(TextAt(*g, 700, 485)->text.c_str(), "  12345");
  EXPECT_EQ(TextAt(*g, 700, 495), nullptr) << "ten million does not fit";
  EXPECT_STREQ(TextAt(*g, 700, 505)->text.c_str(), "9999999");
  EXPECT_STREQ(TextAt(*g, 700, 515)->text.c_str(), "      7");

  EXPECT_EQ(FindText(*g, "  SIEGER")->font, 7);
  EXPECT_STREQ(TextAt(*g, 660, 475)->text.c_str(), "ANNA");
  EXPECT_EQ(TextAt(*g, 660, 475)->font, 1) << "place 1 stands out";
  EXPECT_STREQ(TextAt(*g, 646, 515)->text.c_str(), "5.");
  EXPECT_EQ(TextAt(*g, 646, 515)->font, 6);
  EXPECT_EQ(TextAt(*g, 700, 485)->font, 6);
}

TEST(WinnersView, ShowsTheTableOfTheSelectedType) {
  const TempDir folder;
  auto g = StartedProgram(folder);
  g->winner_name[1][1].Assign("ERSTER");
  ClickAt(*g, 700, 80);
  ASSERT_EQ(g->game_type, 1);
  EXPECT_NE(TextAt(*g, 660, 475), nullptr);
  EXPECT_STREQ(TextAt(*g, 660, 475)->text.c_str(), "ERSTER");
}

}  // namespace
}  // namespace klumpix
