#include "world/renderer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "shell/assets.h"
#include "shell/frame.h"
#include "support/game_fixture.h"
#include "support/paint_alone.h"
#include "text/text_layer.h"

namespace klumpix {
namespace {

void Place(Game& g, int slot, int kind, int image, int x, int y, int depth, int variant = 1,
           int frame = 1) {
  ObjectTable& o = g.obj;
  o.alive[slot] = 1;
  o.kind[slot] = static_cast<std::int16_t>(kind);
  o.image[slot] = static_cast<std::int16_t>(image);
  o.x[slot] = static_cast<std::int16_t>(x);
  o.y[slot] = static_cast<std::int16_t>(y);
  o.depth[slot] = static_cast<std::int16_t>(depth);
  o.variant[slot] = static_cast<std::int16_t>(variant);
  o.frame[slot] = static_cast<std::int16_t>(frame);
  UpdatePictureRect(g, static_cast<std::int16_t>(slot));
}

TEST(SpriteCell, CutsEachSheetByItsCellArithmetic) {
  const Rect panel = SpriteCell(2, 1, 0, 4);
  EXPECT_EQ(panel.left, 590);
  EXPECT_EQ(panel.right, 800);
  const Rect button = SpriteCell(3, 1, 2, 6);
  EXPECT_EQ(button.top, 144 * 5 + 48);
  EXPECT_EQ(button.bottom - button.top, 48);
  const Rect drop_field = SpriteCell(4, 1, 1, 8);
  EXPECT_EQ(drop_field.top, 182);
  EXPECT_EQ(drop_field.bottom, 208);
  const Rect shadow = SpriteCell(4, 2, 2, 1);
  EXPECT_EQ(shadow.top, 27);
  const Rect stone = SpriteCell(4, 3, 1, 6);
  EXPECT_EQ(stone.top, 125);
  const Rect explosion = SpriteCell(8, 1, 28, 6);
  EXPECT_EQ(explosion.left, 375);
  EXPECT_EQ(explosion.bottom, 2100);
}

TEST(DepthSort, AscendingAndEqualKeysInTheOrderTheSelectionSortLeaves) {
  auto g = testing::NewGame();
  // Depths in slot order: 90 85 90 80 90. The sort swaps slot 1 (90) away
  // when 80 is found, so the three equal 90s do not stay in slot order.
  const int depths[] = {90, 85, 90, 80, 90};
  for (int i = 0; i < 5; ++i) Place(*g, i + 1, 4, 1, 200, 200, depths[i]);
  DrawList list;
  BuildDrawList(*g, list);
  ASSERT_EQ(list.count, 5);
  const int expected_slots[] = {4, 2, 3, 1, 5};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(list.slot[i + 1], expected_slots[i]) << i;
}

// The quadratic selection sort the drawing order has always come from.
void SelectionSort(DrawList& list) {
  for (int j = 1; j <= list.count; ++j) {
    int min_pos = j;
    for (int k = j; k <= list.count; ++k) {
      if (list.key[k] < list.key[min_pos]) min_pos = k;
    }
    std::swap(list.key[j], list.key[min_pos]);
    std::swap(list.slot[j], list.slot[min_pos]);
  }
}

TEST(DepthSort, SameOrderAsTheSelectionSortOnRandomTables) {
  auto g = testing::NewGame();
  std::mt19937 dice(11);
  for (int round = 0; round < 300; ++round) {
    // Few depths make many ties; some tables are sparse, some full, some
    // reach the ends of the depth range.
    const int depths = 1 + round % 40;
    const unsigned dead_in = 1 + round % 7;
    DrawList want{};
    for (int s = 1; s <= kSlotCount; ++s) {
      g->obj.alive[s] = dice() % dead_in != 0;
      auto depth = static_cast<std::int16_t>(static_cast<int>(dice() % depths) - depths / 2);
      if (round % 10 == 9 && dice() % 50 == 0) depth = dice() % 2 ? -32768 : 32767;
      g->obj.depth[s] = depth;
      g->obj.x[s] = 400;
      if (!g->obj.alive[s]) continue;
      ++want.count;
      want.slot[want.count] = static_cast<std::int16_t>(s);
      want.key[want.count] = depth;
    }
    SelectionSort(want);
    DrawList got;
    BuildDrawList(*g, got);
    ASSERT_EQ(got.count, want.count);
    for (int i = 1; i <= want.count; ++i) {
      ASSERT_EQ(got.slot[i], want.slot[i]) << "round " << round << ", place " << i;
    }
  }
}

TEST(DepthSort, SkipsDeadAndHorizontallyOffscreenObjects) {
  auto g = testing::NewGame();
  Place(*g, 1, 4, 1, 200, 200, 90);
  Place(*g, 2, 4, 1, -15, 200, 90);   // x + half_width = -1
  Place(*g, 3, 4, 1, 814, 200, 90);   // x - half_width = 800: still listed
  Place(*g, 4, 4, 1, 200, -500, 90);  // vertical tests come later
  g->obj.alive[1] = 0;
  DrawList list;
  BuildDrawList(*g, list);
  ASSERT_EQ(list.count, 2);
  EXPECT_EQ(list.slot[1], 3);
  EXPECT_EQ(list.slot[2], 4);
}

TEST(Shake, OnePixelLeftForOneTickAfterACalmTick) {
  auto g = testing::NewGame();
  g->shake = 2;
  UpdateShake(*g);
  EXPECT_EQ(g->shake, 1);
  EXPECT_EQ(std::lround(std::cos(g->shake_phase) * g->shake), -1);
  UpdateShake(*g);
  EXPECT_EQ(g->shake, 0);
  EXPECT_EQ(std::lround(std::cos(g->shake_phase) * g->shake), 0);
  UpdateShake(*g);  // calm: nothing changes, shake_prev stays 0 from the last step
  EXPECT_EQ(g->shake_prev, 0);
}

TEST(Shake, ConsecutiveExplosionsAlternateLeftAndRight) {
  auto g = testing::NewGame();
  int offsets[3];
  for (int& offset : offsets) {
    g->shake = 2;
    UpdateShake(*g);
    offset = static_cast<int>(std::lround(std::cos(g->shake_phase) * g->shake));
  }
  EXPECT_EQ(offsets[0], -1);
  EXPECT_EQ(offsets[1], 1);
  EXPECT_EQ(offsets[2], -1);
}

// Drawing with a tiny stand-in stone sheet: one solid colour per row.
class DrawSceneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_ = testing::NewGame();
    stones_.width = 27;
    stones_.height = 150;
    stones_.key = kKeyBlack;
    stones_.pixels.assign(27 * 150, 0x07E0);
    pictures_->sheets[kPicStones] = stones_;
    FillSurface(frame_->screen, 0);
  }
  int Count(std::uint16_t colour) const {
    int n = 0;
    for (std::uint16_t px : frame_->screen.pixels) n += px == colour;
    return n;
  }
  std::vector<int> PixelsOf(std::uint16_t colour) const {
    std::vector<int> at;
    for (int i = 0; i < kScreenWidth * kScreenHeight; ++i)
      if (frame_->screen.pixels[i] == colour) at.push_back(i);
    return at;
  }
  std::unique_ptr<Game> g_;
  Picture stones_;
  std::unique_ptr<PictureSet> pictures_ = std::make_unique<PictureSet>();
  std::unique_ptr<Frame> frame_ = std::make_unique<Frame>();
};

TEST_F(DrawSceneTest, AnObjectCentredAboveTheTopIsNotDrawnAtAll) {
  Place(*g_, 1, 4, 3, 100, -1, 85);  // sy = -13, sy + half_height = -1
  testing::PaintAlone(*frame_, [&] { DrawScene(*g_, *pictures_, *frame_); });
  EXPECT_EQ(Count(0x07E0), 0);
  Place(*g_, 1, 4, 3, 100, 0, 85);  // centre on the edge: lower half drawn
  testing::PaintAlone(*frame_, [&] { DrawScene(*g_, *pictures_, *frame_); });
  EXPECT_EQ(Count(0x07E0), 27 * 13);
}

TEST_F(DrawSceneTest, PartlyOffscreenObjectsAreClippedAtTheOtherEdges) {
  Place(*g_, 1, 4, 3, 5, 300, 85);    // 8 columns cut at the left
  Place(*g_, 2, 4, 3, 795, 100, 85);  // cut at the right
  Place(*g_, 3, 4, 3, 400, 595, 85);  // cut at the bottom
  testing::PaintAlone(*frame_, [&] { DrawScene(*g_, *pictures_, *frame_); });
  EXPECT_EQ(Count(0x07E0), 19 * 25 + 18 * 25 + 27 * 17);
}

TEST_F(DrawSceneTest, ShakeMovesObjectsButNotText) {
  Picture font;  // a stand-in small font: every glyph a solid red square
  font.width = 70;
  font.height = 42;
  font.key = kKeyMagenta;
  font.pixels.assign(70 * 42, 0xF800);
  pictures_->sheets[kPicFont1] = font;
  Place(*g_, 1, 4, 3, 100, 100, 85);
  WriteText(*g_, 300, 300, kFontGreen, 0, "AB");
  testing::PaintAlone(*frame_, [&] { DrawScene(*g_, *pictures_, *frame_); });
  const std::vector<int> calm_text = PixelsOf(0xF800);
  ASSERT_FALSE(calm_text.empty());
  FillSurface(frame_->screen, 0);
  g_->shake = 2;
  UpdateShake(*g_);
  testing::PaintAlone(*frame_, [&] { DrawScene(*g_, *pictures_, *frame_); });
  EXPECT_EQ(frame_->screen.pixels[88 * kScreenWidth + 86], 0x07E0);  // left edge at 87 - 1
  EXPECT_EQ(frame_->screen.pixels[88 * kScreenWidth + 113], 0);      // right edge moved in
  EXPECT_EQ(PixelsOf(0xF800), calm_text);
}

}  // namespace
}  // namespace klumpix
