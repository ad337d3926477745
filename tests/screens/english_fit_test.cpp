// The English texts stand where the German ones do, and every English line
// fits the space it stands in: measured with the fonts' own advances against
// the frame's openings, panels, buttons and the exit box.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "play/play_steps.h"
#include "screens/help_info.h"
#include "screens/menu_bar.h"
#include "screens/name_entry.h"
#include "screens/screen_fixture.h"
#include "text/text_layer.h"

namespace klumpix {
namespace {

using namespace testing;

struct Space {
  const char* name;
  int left, top, right, bottom;
};

// The frame's openings as the frame picture paints them; the playfield
// window last, since the exit box and the panels lie within or beside it.
constexpr Space kSpaces[] = {
    {"exit box message", 252, 222, 548, 298}, {"type menu", 638, 62, 790, 158},
    {"status panel", 642, 192, 770, 410},     {"winners panel", 638, 438, 774, 532},
    {"title plate", 626, 548, 798, 598},      {"playfield window", 100, 60, 590, 540},
};
constexpr int kLip = 6;  // the window's sloped edge, where a line may begin
constexpr int kButtonHalfWidth = 31;

// The square each glyph of a font fills; where it stands is WriteText's.
int CellSize(int font) {
  return font == kFontHuge ? 30 : font == kFontLarge || font == kFontBright ? 15 : 7;
}
bool SmallFont(int font) {
  return font == kFontGreen || font == kFontDark || font == kFontPlain;
}

struct Ink {
  int left = 0, right = 0;
  bool any = false;
};

// Where a text's ink begins and ends, from the cells WriteText queues for it
// (after one leading empty cell); blanks draw nothing.
Ink InkOf(Game& scratch, const TextCall& call) {
  ClearTextLayer(scratch);
  WriteText(scratch, call.x, call.y, call.font, 0, call.text.c_str());
  Ink ink;
  for (int slot = 2; slot <= scratch.text.text_cell_count; ++slot) {
    if (call.text.c_str()[slot - 2] == ' ') continue;
    if (!ink.any) ink.left = scratch.text.text_cell_x[slot];
    ink.right = scratch.text.text_cell_x[slot] + CellSize(call.font);
    ink.any = true;
  }
  return ink;
}

// The space a line begins in, or null; a button's face when it begins on one.
const Space* SpaceOf(const Game& g, const TextCall& call, const Ink& ink, Space& button) {
  for (int slot = kSlotExit; slot <= kSlotNein; ++slot) {
    if (g.obj.alive[slot] == 0 || g.obj.kind[slot] != kKindButton) continue;
    const int x = g.obj.x[slot], y = g.obj.y[slot];
    if (std::abs(ink.left - x) < kButtonHalfWidth && std::abs(call.y - y) < 24) {
      button = {"button", x - kButtonHalfWidth, y - 24, x + kButtonHalfWidth, y + 24};
      return &button;
    }
  }
  for (const Space& s : kSpaces) {
    if (ink.left >= s.left - kLip && ink.left < s.right && call.y >= s.top - kLip &&
        call.y < s.bottom) {
      return &s;
    }
  }
  return nullptr;
}

void Collect(const Game& g, std::vector<TextCall>& calls) {
  for (int i = 0; i < g.text.text_call_count; ++i) calls.push_back(g.text.text_calls[i]);
}

// Every screen once, in `language`, each at its widest: seven-digit scores,
// the exit box open, a failed save, the store overflowing and every fill
// bonus at once. Returns the WriteText calls, screen after screen.
std::vector<TextCall> EveryScreen(Language language, bool browser, const TempDir& folder) {
  std::vector<TextCall> calls;
  auto g = StartedProgram(folder);
  g->start_values.language = language;
  g->files.kept_in_browser = browser;
  Tick(*g);
  Collect(*g, calls);  // the frame, the menus, no game running

  PressButton(*g, kStart[0], kStart[1]);
  g->score = 9999999;
  g->stones_placed = 999;
  g->explosion_count = 999;
  Tick(*g);
  Collect(*g, calls);  // a game running, the status panel full

  ClearTextLayer(*g);
  g->stone_store.countdown_start_timer = 0;
  g->stone_store.countdown_start = 2;
  StepCountdownStart(*g);
  g->stone_store.active_row = kStoreRows + 1;
  g->stone_store.countdown_start = 999;
  RunRowCountdown(*g);
  MoveFloatingTexts(*g);
  Collect(*g, calls);  // every bonus and the full store rising

  g->game_over = true;
  Tick(*g);
  Collect(*g, calls);  // the game over, on to the name entry for place 1

  g->entry.winners_write_failed = true;
  Tick(*g);
  Collect(*g, calls);
  for (int p = 1; p <= 2; ++p) g->winner_score[g->game_type][p] = 9999999;
  g->score = 9999998;
  g->entry.entry_placed = false;
  ClearTextLayer(*g);
  RunNameEntry(*g);
  Collect(*g, calls);  // a lower place

  for (void (*page)(Game&) : {RunHelpScreen, RunInfoScreen}) {
    ClearTextLayer(*g);
    page(*g);
    Collect(*g, calls);
  }

  g->screen_mode = kModePlay;
  g->game_running = false;
  PressButton(*g, 54, 52);  // EXIT
  Tick(*g);
  EXPECT_TRUE(g->confirm_open);
  Collect(*g, calls);
  return calls;
}

// Checks `calls` of one language against the spaces they begin in; the
// frame's buttons stand where a fresh program has them.
void ExpectEveryLineFits(const std::vector<TextCall>& calls, const TempDir& folder) {
  auto g = StartedProgram(folder);
  PressButton(*g, 54, 52);  // the exit box's buttons too
  Tick(*g);
  for (const TextCall& call : calls) {
    const Ink ink = InkOf(*g, call);
    if (!ink.any) continue;
    Space button;
    const Space* space = SpaceOf(*g, call, ink, button);
    ASSERT_NE(space, nullptr) << "'" << call.text.c_str() << "' begins outside every space";
    EXPECT_LE(ink.right, space->right)
        << "'" << call.text.c_str() << "' at (" << call.x << ", " << call.y << ") is "
        << ink.right - space->right << " px wider than the " << space->name;
    for (const char* c = call.text.c_str(); *c != '\0'; ++c) {
      const auto byte = static_cast<unsigned char>(*c);
      const int glyph = SmallFont(call.font) ? SmallFontGlyph(byte) : LargeFontGlyph(byte);
      EXPECT_TRUE(*c == ' ' || glyph != 0) << "'" << *c << "' has no glyph: " << call.text.c_str();
    }
  }
}

TEST(EnglishTexts, StandWhereTheGermanDoAndFitTheirSpaces) {
  const TempDir folder;
  for (bool browser : {false, true}) {
    const std::vector<TextCall> de = EveryScreen(Language::kGerman, browser, folder);
    const std::vector<TextCall> en = EveryScreen(Language::kEnglish, browser, folder);
    ASSERT_EQ(en.size(), de.size());
    // Names, numbers, letters and "GAME OVER" are the same in both.
    std::vector<TextCall> english;
    for (std::size_t i = 0; i < en.size(); ++i) {
      EXPECT_EQ(en[i].y, de[i].y) << en[i].text.c_str();
      EXPECT_EQ(en[i].font, de[i].font) << en[i].text.c_str();
      if (std::string(en[i].text.c_str()) != de[i].text.c_str()) english.push_back(en[i]);
    }
    EXPECT_GT(english.size(), browser ? 80u : 100u) << "the English run shows English";
    ExpectEveryLineFits(english, folder);
    // The browser's info page is new in both languages: no German line of it
    // may reach over the frame either.
    if (browser) {
      std::vector<TextCall> page;
      for (const TextCall& call : de) {
        if (call.x == 90 && (call.font == kFontLarge || call.font == kFontBright)) {
          page.push_back(call);
        }
      }
      EXPECT_GE(page.size(), 15u);
      ExpectEveryLineFits(page, folder);
    }
  }
}

}  // namespace
}  // namespace klumpix
