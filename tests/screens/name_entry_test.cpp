#include "screens/name_entry.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "screens/screen_fixture.h"
#include "screens/winners.h"

namespace klumpix {
namespace {

using namespace testing;

// Type 3's table: 900, 700, 700, 500, 100 under the names A..E.
void PrepareTable(Game& g) {
  const std::int32_t scores[] = {900, 700, 700, 500, 100};
  for (int p = 1; p <= kPlaces; ++p) {
    const char name[2] = {static_cast<char>('A' + p - 1), '\0'};
    g.winner_name[3][p].Assign(name);
    g.winner_score[3][p] = scores[p - 1];
  }
}

// Starts a game, ends it with ENDE holding `score`, and lets the play screen
// hand over in the next tick.
void FinishGameWith(Game& g, std::int32_t score) {
  PressButton(g, kStart[0], kStart[1]);
  g.score = score;
  PressButton(g, kEnde[0], kEnde[1]);
  Tick(g);
}

void ClickLetter(Game& g, char letter) {
  ClickAt(g, 105 + 20 * (letter - 'A'), 370);
}

bool FileExists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0;
}

class NameEntry : public ::testing::Test {
 protected:
  void SetUp() override {
    g = StartedProgram(folder);
    PrepareTable(*g);
  }
  TempDir folder;
  std::unique_ptr<Game> g;
};

TEST_F(NameEntry, ANewScoreGoesBelowEqualOnesAndTheLastDropsOut) {
  FinishGameWith(*g, 700);
  ASSERT_EQ(g->screen_mode, kModeNameEntry);
  EXPECT_EQ(g->entry.winner_place, 4);
  const std::int32_t expected[] = {900, 700, 700, 700, 500};
  for (int p = 1; p <= kPlaces; ++p) EXPECT_EQ(g->winner_score[3][p], expected[p - 1]) << p;
  EXPECT_TRUE(g->winner_name[3][3] == "C");
  EXPECT_TRUE(g->winner_name[3][4] == "-");
  EXPECT_TRUE(g->winner_name[3][5] == "D");

  Tick(*g, 3);
  EXPECT_EQ(g->winner_score[3][5], 500) << "the score is inserted once";
  EXPECT_TRUE(g->winner_name[3][5] == "D");
}

TEST_F(NameEntry, AScoreEqualToTheFifthPlaceWinsNothing) {
  FinishGameWith(*g, 100);
  EXPECT_EQ(g->screen_mode, kModePlay);
  EXPECT_EQ(g->winner_score[3][5], 100);
  EXPECT_TRUE(g->winner_name[3][5] == "E");
}

TEST_F(NameEntry, FirstPlaceIsAnnouncedLarge) {
  FinishGameWith(*g, 1000);
  ASSERT_EQ(g->entry.winner_place, 1);
  const TextCall* heading = TextAt(*g, 80, 60);
  ASSERT_NE(heading, nullptr);
  EXPECT_STREQ(heading->text.c_str(), "HIGHSCORE - NEUER 1. PLATZ !");
  EXPECT_EQ(heading->font, 2);
  EXPECT_STREQ(TextAt(*g, 80, 120)->text.c_str(), "1. PLATZ");
  EXPECT_EQ(TextAt(*g, 80, 120)->font, 3);
  EXPECT_STREQ(TextAt(*g, 80, 180)->text.c_str(), "1000 PUNKTE");
  EXPECT_EQ(TextAt(*g, 80, 180)->font, 3);
  EXPECT_EQ(TextAt(*g, 80, 100), nullptr);
  EXPECT_EQ(FindText(*g, "GAME OVER")->font, 3);
}

TEST_F(NameEntry, LowerPlacesAreCongratulated) {
  FinishGameWith(*g, 800);
  ASSERT_EQ(g->entry.winner_place, 2);
  EXPECT_STREQ(TextAt(*g, 80, 60)->text.c_str(), "HIGHSCORE - NEUER 2. PLATZ !");
  EXPECT_STREQ(TextAt(*g, 80, 100)->text.c_str(), "GRATULIERE, SIE D\xDCRFEN SICH F\xDCR");
  EXPECT_STREQ(TextAt(*g, 80, 120)->text.c_str(), "DEN 2. PLATZ EINTRAGEN !");
  EXPECT_EQ(TextAt(*g, 80, 120)->font, 2);
  EXPECT_STREQ(TextAt(*g, 80, 160)->text.c_str(), "800 PUNKTE");
  EXPECT_EQ(FindText(*g, "1. PLATZ"), nullptr);
}

TEST_F(NameEntry, LettersAreClickedNeuStartsAgainEnterSaves) {
  FinishGameWith(*g, 700);
  ClickLetter(*g, 'A');
  ClickLetter(*g, 'B');
  ClickLetter(*g, 'C');
  EXPECT_TRUE(g->entry.entry_name == "ABC");
  EXPECT_NE(FindText(*g, "NAME: AB"), nullptr) << "the name line comes before the letter row";
  Tick(*g);
  const TextCall* underline = FindText(*g, "      _______");
  const TextCall* name = FindText(*g, "NAME: ABC");
  ASSERT_NE(underline, nullptr);
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(underline->alpha, 128);
  EXPECT_EQ(name->alpha, 0);
  EXPECT_LT(underline, name) << "the underline glows behind the letters";
  EXPECT_EQ(underline->x, name->x);

  PressButton(*g, kNeu[0], kNeu[1]);
  EXPECT_EQ(g->entry.entry_name_length, 0);
  ClickLetter(*g, 'Z');
  EXPECT_TRUE(g->entry.entry_name == "Z");
  EXPECT_EQ(TextAt(*g, 580, 360)->alpha, 128) << "Z glows under the pointer";
  EXPECT_EQ(TextAt(*g, 560, 360)->alpha, 0);

  PressButton(*g, kEnter[0], kEnter[1]);
  EXPECT_EQ(g->screen_mode, kModePlay);
  EXPECT_FALSE(g->game_running);
  EXPECT_TRUE(g->winner_name[3][4] == "Z");
  auto reread = NewGame();
  ReadWinners(*reread, TestWinners());
  EXPECT_TRUE(reread->winner_name[3][4] == "Z");
  EXPECT_EQ(reread->winner_score[3][4], 700);
  EXPECT_EQ(reread->winner_score[3][5], 500);
}

TEST_F(NameEntry, EnterWithNothingTypedStoresADash) {
  FinishGameWith(*g, 5000);
  PressButton(*g, kEnter[0], kEnter[1]);
  ASSERT_EQ(g->screen_mode, kModePlay);
  auto reread = NewGame();
  ReadWinners(*reread, TestWinners());
  EXPECT_TRUE(reread->winner_name[3][1] == "-");
  EXPECT_EQ(reread->winner_score[3][1], 5000);
}

TEST_F(NameEntry, NamesStopAtSevenLettersButLettersStillGlow) {
  FinishGameWith(*g, 700);
  for (char c : std::string("KLUMPIXE")) ClickLetter(*g, c);
  EXPECT_TRUE(g->entry.entry_name == "KLUMPIX");
  EXPECT_EQ(g->entry.entry_name_length, 7);
  EXPECT_EQ(TextAt(*g, 80 + 20 * ('E' - 'A'), 360)->alpha, 128);
}

TEST_F(NameEntry, LetterHitBoxesAreStrictAndShiftedByOneAdvance) {
  FinishGameWith(*g, 700);
  ClickAt(*g, 115, 370);
  EXPECT_EQ(g->entry.entry_name_length, 0);
  for (int k = 0; k < 26; ++k) EXPECT_EQ(TextAt(*g, 80 + 20 * k, 360)->alpha, 0) << k;
  ClickAt(*g, 114, 370);
  ClickAt(*g, 116, 370);
  ClickAt(*g, 116, 380);
  EXPECT_TRUE(g->entry.entry_name == "AB");
}

TEST_F(NameEntry, StartAbandonsTheEntryAndKeepsTheDashInMemory) {
  FinishGameWith(*g, 700);
  ClickLetter(*g, 'Q');
  PressButton(*g, kStart[0], kStart[1]);
  EXPECT_EQ(g->screen_mode, kModePlay);
  EXPECT_TRUE(g->game_running);
  EXPECT_TRUE(g->winner_name[3][4] == "-");
  EXPECT_EQ(g->winner_score[3][4], 700);
  EXPECT_FALSE(FileExists(TestWinners().path())) << "nothing is saved";
}

TEST_F(NameEntry, AFailedSaveKeepsTheScreenAndEnterTriesAgain) {
  const std::string sub = folder.str() + "/later";
  TestWinners() = WinnersFile(sub + "/groar.dat");
  FinishGameWith(*g, 700);
  ClickLetter(*g, 'O');

  DXDraw1MouseMove(*g, kEnter[0], kEnter[1]);
  DXDraw1MouseDown(*g, MouseButton::kLeft, false);
  Tick(*g);
  EXPECT_EQ(g->screen_mode, kModeNameEntry);
  EXPECT_TRUE(g->entry.winners_write_failed);
  EXPECT_FALSE(g->mouse.left_button_down) << "a held ENTER does not retry every tick";
  EXPECT_TRUE(g->winner_name[3][4] == "O") << "the table in memory has the name";
  Tick(*g);
  ASSERT_NE(FindText(*g, "FEHLER: SIEGERLISTE NICHT GESPEICHERT !"), nullptr);
  EXPECT_NE(FindText(*g, "ENTER: NOCHMAL VERSUCHEN"), nullptr);

  ASSERT_EQ(mkdir(sub.c_str(), 0755), 0);
  DXDraw1MouseUp(*g, MouseButton::kLeft);
  PressButton(*g, kEnter[0], kEnter[1]);
  EXPECT_EQ(g->screen_mode, kModePlay);
  EXPECT_FALSE(g->entry.winners_write_failed);
  EXPECT_TRUE(FileExists(TestWinners().path()));
}

}  // namespace
}  // namespace klumpix
