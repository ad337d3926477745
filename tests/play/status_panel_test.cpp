// What the play screen writes on every tick: store numbers, panel, score,
// place line and the rising texts.
#include <gtest/gtest.h>

#include <cstdio>

#include "play_fixture.h"
#include "text/text_layer.h"

namespace klumpix {
namespace {

using testing::Wrote;

std::unique_ptr<Game> IdleBoard() {
  auto g = testing::RunningGame(3);
  g->game_running = false;
  return g;
}

void RunPlayScreen(Game& g) {
  ClearTextLayer(g);
  PlayScreenTick(g);
}

TEST(StatusPanel, ScoreIsPaddedToSevenCharactersAndDroppedFromEightDigits) {
  auto g = IdleBoard();
  const struct {
    std::int32_t score;
    const char* shown;
  } cases[] = {{0, "      0"}, {10, "     10"}, {99999, "  99999"}, {9999999, "9999999"}};
  for (const auto& c : cases) {
    g->score = c.score;
    RunPlayScreen(*g);
    EXPECT_TRUE(Wrote(*g, 700, 320, 6, c.shown)) << c.score;
  }
  g->score = 10000000;
  RunPlayScreen(*g);
  for (int i = 0; i < g->text.text_call_count; ++i) {
    EXPECT_FALSE(g->text.text_calls[i].x == 700 && g->text.text_calls[i].y == 320);
  }
}

TEST(StatusPanel, ThePlaceLineNamesTheBestPlaceTheScoreBeats) {
  auto g = IdleBoard();
  const std::int32_t table[6] = {0, 500, 400, 300, 200, 100};
  for (int p = 1; p <= 5; ++p) g->winner_score[3][p] = table[p];
  g->score = 501;
  RunPlayScreen(*g);
  EXPECT_TRUE(Wrote(*g, 675, 380, 7, "PLATZ 1"));
  EXPECT_TRUE(Wrote(*g, 675, 390, 7, "SICHER"));
  g->score = 300;  // equal is not enough
  RunPlayScreen(*g);
  EXPECT_TRUE(Wrote(*g, 675, 380, 1, "PLATZ 4"));
  EXPECT_TRUE(Wrote(*g, 675, 390, 1, "SICHER"));
  g->score = 100;
  RunPlayScreen(*g);
  EXPECT_FALSE(testing::WroteAnywhere(*g, "SICHER"));
}

TEST(StatusPanel, CountersAndStoreNumbersStandWhereThePlayerLooks) {
  auto g = IdleBoard();
  g->stone_store.row_countdown[1] = 7;
  g->stone_store.row_countdown[2] = 42;
  g->stone_store.row_countdown[3] = 130;
  g->stone_store.row_countdown[4] = 1000;
  g->stones_placed = 12;
  g->explosion_count = 2;
  testing::PutStone(*g, testing::CellAt(*g, 346, 498), 1);
  testing::FillStoreRow(*g, 5);
  RunPlayScreen(*g);
  EXPECT_TRUE(Wrote(*g, 140, 180, 1, "7"));
  EXPECT_TRUE(Wrote(*g, 166, 180, 1, "42"));
  EXPECT_TRUE(Wrote(*g, 190, 180, 1, "130"));
  EXPECT_FALSE(testing::WroteAnywhere(*g, "1000"));
  EXPECT_TRUE(Wrote(*g, 650, 240, 6, "FELDER :149"));
  EXPECT_TRUE(Wrote(*g, 650, 250, 6, "STEINE :1"));
  EXPECT_TRUE(Wrote(*g, 650, 260, 6, "EINGEL.:12"));
  EXPECT_TRUE(Wrote(*g, 650, 270, 6, "EXPLOD.:11"));
  EXPECT_TRUE(Wrote(*g, 650, 280, 6, "KILLS  :2"));
  EXPECT_TRUE(Wrote(*g, 650, 350, 6, "SPIEL FERTIG"));
  EXPECT_TRUE(Wrote(*g, 650, 360, 6,
                    "START DR\xDC"
                    "CKEN"));
  g->game_running = true;
  RunPlayScreen(*g);
  EXPECT_TRUE(Wrote(*g, 650, 350, 6, "SPIEL L\xC4UFT"));
}

TEST(FloatingTexts, RiseAHundredPixelsInFiftyTicksSlowingDown) {
  auto g = IdleBoard();
  SpawnFloatingText(*g, 100, 400, 2, "HOCH");
  const int expected_y[] = {396, 392, 388, 384, 380, 376, 372, 368, 364, 360, 357};
  for (int t = 0; t < 11; ++t) {
    RunPlayScreen(*g);
    EXPECT_TRUE(Wrote(*g, 100, expected_y[t], 2, "HOCH")) << "tick " << t + 1;
  }
  for (int t = 11; t < 50; ++t) RunPlayScreen(*g);
  EXPECT_EQ(g->floating_text[1].y, 300);
  EXPECT_EQ(g->floating_text[1].timer, 0);
  RunPlayScreen(*g);
  EXPECT_FALSE(testing::WroteAnywhere(*g, "HOCH"));
}

TEST(FloatingTexts, AFiftyFirstTextOverwritesOnlyTheLastEntry) {
  auto g = IdleBoard();
  char text[8];
  for (int i = 1; i <= 51; ++i) {
    std::snprintf(text, sizeof text, "T%d", i);
    SpawnFloatingText(*g, static_cast<std::int16_t>(i), 300, 1, text);
  }
  EXPECT_EQ(g->floating_text[49].text, "T49");
  EXPECT_EQ(g->floating_text[50].text, "T51");
  EXPECT_EQ(g->floating_text[50].x, 51);
  // A freed entry is taken again before the last one.
  g->floating_text[7].timer = 0;
  SpawnFloatingText(*g, 0, 0, 1, "NEU");
  EXPECT_EQ(g->floating_text[7].text, "NEU");
}

}  // namespace
}  // namespace klumpix
