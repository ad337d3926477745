#include "screens/help_info.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "screens/menu_bar.h"
#include "screens/name_entry.h"
#include "screens/screen_fixture.h"
#include "text/text_layer.h"

namespace klumpix {
namespace {

using namespace testing;

// Where every stone stands and how far every countdown has run.
std::vector<int> PlaySnapshot(const Game& g) {
  std::vector<int> snapshot{g.score, g.stone_store.active_row, g.stone_store.countdown_start,
                            g.stone_store.countdown_start_timer};
  for (int r = 1; r <= kStoreRows; ++r) snapshot.push_back(g.stone_store.row_countdown[r]);
  for (int s = 1; s <= kSlotCount; ++s) {
    if (g.obj.alive[s] == 0) continue;
    snapshot.insert(snapshot.end(), {s, g.obj.kind[s], g.obj.x[s], g.obj.y[s]});
  }
  return snapshot;
}

int StoneCount(const Game& g) {
  int count = 0;
  for (int s = 1; s <= kSlotCount; ++s) {
    count += g.obj.alive[s] != 0 && g.obj.kind[s] == kKindPiece && g.obj.image[s] == kImageStone;
  }
  return count;
}

TEST(HelpScreen, FreezesARunningGameUntilSpiel) {
  const TempDir folder;
  auto g = StartedProgram(folder);
  PressButton(*g, kStart[0], kStart[1]);
  for (int i = 0; i < 400 && g->stone_store.store[1][1] == 0; ++i) Tick(*g);
  ASSERT_GT(g->stone_store.store[1][1], 0) << "the store fills its first row";
  PressButton(*g, 150, 130);  // take row 1
  ASSERT_GT(g->stone_store.carried[1], 0);
  for (int s = 1; s <= kSlotCount; ++s) {
    if (g->obj.alive[s] != 0 && g->obj.tag[s] == kTagPlayfieldCell &&
        g->obj.variant[s] == kFieldDrop) {
      PressButton(*g, g->obj.x[s], g->obj.y[s]);  // set the stones down
      break;
    }
  }
  ASSERT_EQ(g->stone_store.carried[1], 0);

  PressButton(*g, kHilfe[0], kHilfe[1]);
  ASSERT_EQ(g->screen_mode, kModeHelp);
  const std::vector<int> frozen = PlaySnapshot(*g);
  Tick(*g, 40);
  EXPECT_EQ(PlaySnapshot(*g), frozen);
  EXPECT_GE(StoneCount(*g), 3) << "the stones stay under the text";
  EXPECT_NE(FindText(*g, "HILFE"), nullptr);

  PressButton(*g, kSpiel[0], kSpiel[1]);
  Tick(*g, 5);
  EXPECT_EQ(g->screen_mode, kModePlay);
  EXPECT_NE(PlaySnapshot(*g), frozen);
}

TEST(HelpScreen, WritesThePageLineByLine) {
  auto g = NewGame();
  ClearTextLayer(*g);
  RunHelpScreen(*g);
  ASSERT_EQ(g->text.text_call_count, 49);
  EXPECT_EQ(g->lights.light_count, 4);
  const TextCall& title = g->text.text_calls[0];
  EXPECT_STREQ(title.text.c_str(), "HILFE");
  EXPECT_EQ(title.x, 480);
  EXPECT_EQ(title.y, 60);
  EXPECT_EQ(title.font, 2);
  EXPECT_STREQ(g->text.text_calls[1].text.c_str(), "DIE KN\xD6PFE:");
  EXPECT_EQ(g->text.text_calls[1].y, 60);

  for (int i = 1; i < g->text.text_call_count; ++i) {
    const TextCall& line = g->text.text_calls[i];
    EXPECT_EQ(line.x, 90);
    EXPECT_EQ(line.y, 50 + 10 * i) << "one line every 10 pixels";
    const bool heading = line.y == 60 || line.y == 200 || line.y == 240 || line.y == 280;
    EXPECT_EQ(line.font, heading ? 7 : 1) << line.text.c_str();
  }
  EXPECT_STREQ(TextAt(*g, 90, 410)->text.c_str(), "DAS STEINELAGER:");
  EXPECT_STREQ(TextAt(*g, 90, 180)->text.c_str(),
               "DER SOUND-KNOPF: -R. MAUSTASTE: LEISER,  L. MAUSTASTE: LAUTER");
  EXPECT_STREQ(TextAt(*g, 90, 400)->text.c_str(),
               "FELD AUF DEM ER LIEGT, DANN GIBT ES DOPPELT SOVOELE PUNKTE DAF\xDCR.");

  const TextCall* longest = TextAt(*g, 90, 250);
  EXPECT_EQ(std::strlen(longest->text.c_str()), 66u) << "its trailing blank counts";
  int last_x = 0;
  for (int slot = 1; slot <= g->text.text_cell_count; ++slot) {
    if (g->text.text_cell_y[slot] == 250) last_x = g->text.text_cell_x[slot];
  }
  EXPECT_EQ(last_x, 618) << "reaches over the right frame panel";
}

TEST(InfoScreen, NamesInTheBrightFontDescriptionsAfterABlankAndComma) {
  auto g = NewGame();
  ClearTextLayer(*g);
  RunInfoScreen(*g);
  ASSERT_EQ(g->text.text_call_count, 18);
  EXPECT_EQ(g->lights.light_count, 4);
  for (int i = 0; i < g->text.text_call_count; ++i) {
    const TextCall& line = g->text.text_calls[i];
    EXPECT_EQ(line.x, 90);
    EXPECT_EQ(line.alpha, 0);
    const char* text = line.text.c_str();
    if (line.y >= 200 && line.y <= 400) {
      const bool name = (line.y - 200) % 60 == 0;
      EXPECT_EQ(line.font, name ? 4 : 2) << text;
      EXPECT_EQ(std::strncmp(text, name ? "-" : " ,", name ? 1 : 2), 0) << text;
    }
  }
  EXPECT_STREQ(TextAt(*g, 90, 160)->text.c_str(), "WEITERE FREEWARESPIELE VON");
  EXPECT_STREQ(TextAt(*g, 90, 440)->text.c_str(), "ALLES BEI:");
  EXPECT_STREQ(TextAt(*g, 90, 480)->text.c_str(), "KONTAKT:");
  for (int y : {460, 500}) {
    EXPECT_EQ(TextAt(*g, 90, y)->font, 4);
    EXPECT_EQ(std::strncmp(TextAt(*g, 90, y)->text.c_str(), "           ", 11), 0);
    EXPECT_NE(TextAt(*g, 90, y)->text.c_str()[11], ' ');
  }
}

// Every character of a large-font text must have a glyph, or the player
// sees a hole where a letter should be; only blanks may be empty.
TEST(ScreenTexts, LargeFontsHaveAGlyphForEveryCharacterButTheBlank) {
  auto g = NewGame();
  g->game_type = 3;
  g->score = 123456;
  g->entry.winners_write_failed = true;
  g->confirm_open = true;
  g->obj.tag[kSlotConfirmPanel] = kConfirmBoxNumber;
  ClearTextLayer(*g);
  RunInfoScreen(*g);
  RunNameEntry(*g);
  RunMenuBar(*g);
  int checked = 0;
  for (int i = 0; i < g->text.text_call_count; ++i) {
    const TextCall& call = g->text.text_calls[i];
    if (call.font != 2 && call.font != 3 && call.font != 4) continue;
    ++checked;
    for (const char* c = call.text.c_str(); *c != '\0'; ++c) {
      if (*c == ' ') continue;
      EXPECT_NE(LargeFontGlyph(static_cast<unsigned char>(*c)), 0)
          << "'" << *c << "' in " << call.text.c_str();
    }
  }
  EXPECT_GT(checked, 50);
}

}  // namespace
}  // namespace klumpix
