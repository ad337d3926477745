#include "text/text_layer.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "shell/assets.h"
#include "shell/frame.h"
#include "support/game_fixture.h"
#include "support/paint_alone.h"

namespace klumpix {
namespace {

using testing::NewGame;

// A font sheet whose every cell is filled with a colour of its own (its
// glyph number), with a transparent pixel in each cell's top-left corner.
Picture NumberedSheet(int cell, int rows) {
  Picture pic;
  pic.width = 10 * cell;
  pic.height = rows * cell;
  pic.key = kKeyMagenta;
  pic.pixels.resize(static_cast<std::size_t>(pic.width) * pic.height);
  for (int y = 0; y < pic.height; ++y) {
    for (int x = 0; x < pic.width; ++x) {
      const bool corner = x % cell == 0 && y % cell == 0;
      const int glyph = (y / cell) * 10 + x / cell + 1;
      pic.pixels[static_cast<std::size_t>(y) * pic.width + x] =
          corner ? kKeyMagenta : static_cast<std::uint16_t>(glyph);
    }
  }
  return pic;
}

// The pictures a test draws with and the picture it draws.
struct Canvas {
  PictureSet pictures;
  Frame frame;
};

std::uint16_t Pixel(const Frame& f, int x, int y) {
  return f.screen.pixels[y * kScreenWidth + x];
}

TEST(WriteText, PutsAnEmptyCellBeforeTheFirstCharacter) {
  auto g = NewGame();
  auto c = std::make_unique<Canvas>();
  ClearTextLayer(*g);
  WriteText(*g, 100, 50, 1, 0, "A");
  const TextLayer& t = g->text;
  ASSERT_EQ(t.text_cell_count, 2);
  EXPECT_EQ(t.text_cell_glyph[1], 0);
  EXPECT_EQ(t.text_cell_x[1], 100);
  EXPECT_EQ(t.text_cell_glyph[2], 1);
  EXPECT_EQ(t.text_cell_x[2], 108);
  EXPECT_EQ(t.text_cell_y[2], 50);
  EXPECT_EQ(t.text_cell_font[2], 1);

  Picture small = NumberedSheet(7, 6);
  c->pictures.sheets[kPicFont1] = small;
  testing::PaintAlone(c->frame, [&] { DrawTextLayer(*g, c->pictures, c->frame); });
  EXPECT_EQ(Pixel(c->frame, 108, 50), 0) << "the sheet's transparent corner is skipped";
  EXPECT_EQ(Pixel(c->frame, 109, 50), 1);
  EXPECT_EQ(Pixel(c->frame, 114, 56), 1);
  EXPECT_EQ(Pixel(c->frame, 115, 50), 0) << "a small glyph is 7 pixels wide";
  EXPECT_EQ(Pixel(c->frame, 101, 51), 0) << "the leading cell draws nothing";
}

TEST(WriteText, EachFontAdvancesByItsOwnStep) {
  auto g = NewGame();
  ClearTextLayer(*g);
  WriteText(*g, 200, 10, 3, 0, "AB");
  EXPECT_EQ(g->text.text_cell_x[2], 240);
  EXPECT_EQ(g->text.text_cell_x[3], 280);
  WriteText(*g, 0, 10, 2, 0, "A B");
  EXPECT_EQ(g->text.text_cell_x[7], 45);
  EXPECT_EQ(g->text.text_cell_glyph[6], 0) << "the large fonts have no blank glyph";
  WriteText(*g, 0, 10, 7, 0, "A B");
  EXPECT_EQ(g->text.text_cell_x[11], 24);
  EXPECT_EQ(g->text.text_cell_glyph[10], 55) << "the small fonts draw their blank";
  WriteText(*g, 32760, 10, 2, 0, "A");
  EXPECT_EQ(g->text.text_cell_x[13], -32761) << "positions wrap in 16 bits";
}

TEST(WriteText, AnEmptyTextQueuesOnlyItsLeadingCell) {
  auto g = NewGame();
  ClearTextLayer(*g);
  WriteText(*g, 5, 6, 2, 0, "");
  EXPECT_EQ(g->text.text_cell_count, 1);
  EXPECT_EQ(g->text.text_cell_glyph[1], 0);
}

TEST(WriteText, BeyondTheLastSlotCellsOverwriteIt) {
  auto g = NewGame();
  ClearTextLayer(*g);
  for (int i = 0; i < 4999; ++i) WriteText(*g, 0, 0, 1, 0, "A");
  ASSERT_EQ(g->text.text_cell_count, 9998);
  WriteText(*g, 0, 0, 1, 0, "XYZ");
  EXPECT_EQ(g->text.text_cell_count, 10000);
  EXPECT_EQ(g->text.text_cell_glyph[9999], 0) << "earlier cells survive";
  EXPECT_EQ(g->text.text_cell_glyph[10000], SmallFontGlyph('Z'));
  EXPECT_EQ(g->text.text_cell_x[10000], 24);
  EXPECT_EQ(g->text.text_call_count, kMaxTextCalls) << "the remembered calls stop at their limit";
}

TEST(WriteText, AFontWeDoNotHaveLeavesItsCellsEmpty) {
  auto g = NewGame();
  auto c = std::make_unique<Canvas>();
  ClearTextLayer(*g);
  WriteText(*g, 100, 100, 5, 0, "AB");
  EXPECT_EQ(g->text.text_cell_count, 3);
  for (int slot = 1; slot <= 3; ++slot) EXPECT_EQ(g->text.text_cell_glyph[slot], -1);
  Picture sheet = NumberedSheet(15, 8);
  for (int pic = kPicFont1; pic <= kPicFont4; ++pic) c->pictures.sheets[pic] = sheet;
  testing::PaintAlone(c->frame, [&] { DrawTextLayer(*g, c->pictures, c->frame); });
  for (int x = 100; x < 160; ++x) EXPECT_EQ(Pixel(c->frame, x, 105), 0);
}

TEST(ClearTextLayer, EmptiesEverySlotAndForgetsTheCalls) {
  auto g = NewGame();
  WriteText(*g, 1, 2, 4, 9, "HALLO");
  ASSERT_EQ(g->text.text_call_count, 1);
  EXPECT_EQ(g->text.text_calls[0].alpha, 9);
  EXPECT_TRUE(g->text.text_calls[0].text == "HALLO");
  ClearTextLayer(*g);
  EXPECT_EQ(g->text.text_cell_count, 0);
  EXPECT_EQ(g->text.text_call_count, 0);
  for (int slot = 1; slot <= kTextCellCount; ++slot) ASSERT_EQ(g->text.text_cell_glyph[slot], -1);
}

TEST(GlyphMaps, SmallMapGivesEveryGlyphOnceAndZeroElsewhere) {
  std::set<int> seen;
  for (int ch = 0; ch < 256; ++ch) {
    const int glyph = SmallFontGlyph(static_cast<unsigned char>(ch));
    if (glyph == 0) continue;
    EXPECT_TRUE(seen.insert(glyph).second) << "glyph " << glyph << " twice";
  }
  EXPECT_EQ(seen.size(), 60u);
  EXPECT_EQ(*seen.rbegin(), 60);
  EXPECT_EQ(SmallFontGlyph('A'), 1);
  EXPECT_EQ(SmallFontGlyph('Z'), 26);
  EXPECT_EQ(SmallFontGlyph(0xC4), 27);
  EXPECT_EQ(SmallFontGlyph(0xD6), 28);
  EXPECT_EQ(SmallFontGlyph(0xDC), 29);
  EXPECT_EQ(SmallFontGlyph('.'), 30);
  EXPECT_EQ(SmallFontGlyph('-'), 34);
  EXPECT_EQ(SmallFontGlyph('?'), 37);
  EXPECT_EQ(SmallFontGlyph('1'), 38);
  EXPECT_EQ(SmallFontGlyph('9'), 46);
  EXPECT_EQ(SmallFontGlyph('0'), 47);
  EXPECT_EQ(SmallFontGlyph('\\'), 50);
  EXPECT_EQ(SmallFontGlyph(' '), 55);
  EXPECT_EQ(SmallFontGlyph('d'), 60);
  EXPECT_EQ(SmallFontGlyph(0x80), 0) << "no euro sign in the small fonts";
  EXPECT_EQ(SmallFontGlyph('('), 0);
  EXPECT_EQ(SmallFontGlyph('a'), 0);
}

TEST(GlyphMaps, LargeMapSkipsBlankAndLowerAsu) {
  std::set<int> seen;
  for (int ch = 0; ch < 256; ++ch) {
    const int glyph = LargeFontGlyph(static_cast<unsigned char>(ch));
    if (glyph == 0) continue;
    EXPECT_TRUE(seen.insert(glyph).second) << "glyph " << glyph << " twice";
  }
  EXPECT_EQ(seen.size(), 77u);
  EXPECT_EQ(seen.count(74) + seen.count(76) + seen.count(78), 0u);
  EXPECT_EQ(LargeFontGlyph('0'), 27);
  EXPECT_EQ(LargeFontGlyph('9'), 36);
  EXPECT_EQ(LargeFontGlyph(0xC4), 37);
  EXPECT_EQ(LargeFontGlyph(0xD6), 38);
  EXPECT_EQ(LargeFontGlyph(0xDC), 39);
  EXPECT_EQ(LargeFontGlyph(0x80), 50);
  EXPECT_EQ(LargeFontGlyph('-'), 51);
  EXPECT_EQ(LargeFontGlyph('b'), 57);
  EXPECT_EQ(LargeFontGlyph('r'), 73);
  EXPECT_EQ(LargeFontGlyph('t'), 75);
  EXPECT_EQ(LargeFontGlyph('v'), 77);
  EXPECT_EQ(LargeFontGlyph('@'), 79);
  EXPECT_EQ(LargeFontGlyph(','), 80);
  for (const char* gap = " asu#\xFF"; *gap != '\0'; ++gap) {
    EXPECT_EQ(LargeFontGlyph(static_cast<unsigned char>(*gap)), 0) << *gap;
  }
}

TEST(DrawTextLayer, TakesGlyphsFromTheirSheetCells) {
  auto g = NewGame();
  auto c = std::make_unique<Canvas>();
  Picture small = NumberedSheet(7, 6);
  Picture large = NumberedSheet(30, 8);
  c->pictures.sheets[kPicFont7] = small;
  c->pictures.sheets[kPicFont3] = large;
  ClearTextLayer(*g);
  WriteText(*g, 0, 0, 7, 0, "0");    // glyph 47: column 6, row 4
  WriteText(*g, 0, 100, 3, 0, ",");  // glyph 80: column 9, row 7
  testing::PaintAlone(c->frame, [&] { DrawTextLayer(*g, c->pictures, c->frame); });
  EXPECT_EQ(Pixel(c->frame, 9, 1), 47);
  EXPECT_EQ(Pixel(c->frame, 41, 101), 80);
  EXPECT_EQ(Pixel(c->frame, 69, 129), 80);
  EXPECT_EQ(Pixel(c->frame, 70, 101), 0);
}

TEST(DrawTextLayer, LargeFontsGlowWithAlphaSmallOnesIgnoreIt) {
  auto g = NewGame();
  auto c = std::make_unique<Canvas>();
  Picture sheet = NumberedSheet(15, 8);
  const std::uint16_t glyph_colour = Rgb565(248, 128, 80);
  for (std::uint16_t& p : sheet.pixels) {
    if (p != kKeyMagenta) p = glyph_colour;
  }
  c->pictures.sheets[kPicFont2] = sheet;
  c->pictures.sheets[kPicFont1] = sheet;
  const std::uint16_t below = Rgb565(80, 40, 8);
  ClearTextLayer(*g);
  WriteText(*g, 0, 0, 2, 128, "A");     // half strength at x 15
  WriteText(*g, 0, 100, 2, 1000, "A");  // full strength
  WriteText(*g, 0, 200, 2, 0, "A");     // covers
  WriteText(*g, 0, 300, 1, 64, "A");    // small fonts always cover
  testing::PaintAlone(c->frame, [&] {
    c->frame.drawing.Fill(Rect{0, 0, kScreenWidth, kScreenHeight}, below, 0);
    DrawTextLayer(*g, c->pictures, c->frame);
  });

  // below: red 10, green 10, blue 1; glyph: red 31, green 32, blue 10.
  EXPECT_EQ(Pixel(c->frame, 16, 1), (25 << 11) | (26 << 5) | 6);
  EXPECT_EQ(Pixel(c->frame, 15, 0), below) << "transparent pixels add nothing";
  EXPECT_EQ(Pixel(c->frame, 16, 101), (31 << 11) | (42 << 5) | 11) << "red saturates";
  EXPECT_EQ(Pixel(c->frame, 16, 201), glyph_colour);
  EXPECT_EQ(Pixel(c->frame, 9, 301), glyph_colour);
}

TEST(DrawTextLayer, DrawsNothingWithoutItsSheet) {
  auto g = NewGame();
  auto c = std::make_unique<Canvas>();
  ClearTextLayer(*g);
  WriteText(*g, 0, 0, 4, 0, "ABC");
  testing::PaintAlone(c->frame, [&] { DrawTextLayer(*g, c->pictures, c->frame); });
  for (int x = 0; x < 60; ++x) EXPECT_EQ(Pixel(c->frame, x, 5), 0);
}

}  // namespace
}  // namespace klumpix
