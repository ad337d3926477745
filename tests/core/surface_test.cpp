#include "core/surface.h"

#include <gtest/gtest.h>

#include <memory>

namespace klumpix {
namespace {

Picture Solid(int w, int h, std::uint16_t colour, std::uint16_t key = kKeyBlack) {
  Picture p;
  p.width = w;
  p.height = h;
  p.key = key;
  p.pixels.assign(static_cast<std::size_t>(w) * h, colour);
  return p;
}

int CountColour(const Surface& s, std::uint16_t colour) {
  int n = 0;
  for (std::uint16_t px : s.pixels) n += px == colour;
  return n;
}

TEST(SurfaceCopy, ClipsAtAllFourEdges) {
  auto screen = std::make_unique<Surface>();
  const Picture pic = Solid(10, 10, 0x1234);
  struct Case {
    int x, y, visible;
  } cases[] = {
      {-4, 100, 60},  {796, 100, 40}, {100, -7, 30}, {100, 597, 30}, {-5, -5, 25},
      {795, 595, 25}, {-10, 0, 0},    {800, 0, 0},   {0, 600, 0},
  };
  for (const Case& c : cases) {
    FillSurface(*screen, 0);
    CopyRect(*screen, c.x, c.y, pic, Rect{0, 0, 10, 10}, true);
    EXPECT_EQ(CountColour(*screen, 0x1234), c.visible) << c.x << "," << c.y;
  }
}

TEST(SurfaceCopy, SkipsTheKeyColourOnlyWhenKeyed) {
  auto screen = std::make_unique<Surface>();
  Picture pic = Solid(2, 1, kKeyMagenta, kKeyMagenta);
  pic.pixels[1] = 0x0001;
  FillSurface(*screen, 0x7777);
  CopyRect(*screen, 0, 0, pic, Rect{0, 0, 2, 1}, true);
  EXPECT_EQ(screen->pixels[0], 0x7777);
  EXPECT_EQ(screen->pixels[1], 0x0001);
  CopyRect(*screen, 0, 0, pic, Rect{0, 0, 2, 1}, false);
  EXPECT_EQ(screen->pixels[0], kKeyMagenta);
}

TEST(SurfaceCopy, CopiesTheSourceRectangleOneToOne) {
  auto screen = std::make_unique<Surface>();
  Picture pic = Solid(4, 4, 0x0100);
  pic.pixels[2 * 4 + 3] = 0xABCD;  // (3, 2)
  FillSurface(*screen, 0);
  CopyRect(*screen, 50, 60, pic, Rect{2, 1, 4, 3}, true);
  EXPECT_EQ(screen->pixels[(60 + 1) * kScreenWidth + 50 + 1], 0xABCD);
  EXPECT_EQ(CountColour(*screen, 0x0100) + CountColour(*screen, 0xABCD), 4);
}

TEST(SurfaceAdd, SaturatesEachChannelAndScalesByStrength) {
  auto screen = std::make_unique<Surface>();
  const Picture pic = Solid(1, 1, Rgb565(128, 128, 128), kKeyMagenta);
  FillSurface(*screen, Rgb565(200, 40, 248));
  AddRect(*screen, 0, 0, pic, Rect{0, 0, 1, 1}, true, 255);
  const std::uint16_t p = screen->pixels[0];
  EXPECT_EQ(p >> 11, 31);               // red saturates
  EXPECT_EQ((p >> 5) & 0x3F, 10 + 32);  // green adds
  EXPECT_EQ(p & 0x1F, 31);              // blue saturates

  FillSurface(*screen, 0);
  AddRect(*screen, 0, 0, pic, Rect{0, 0, 1, 1}, true, 128);
  const std::uint16_t half = screen->pixels[0];
  EXPECT_EQ(half >> 11, 16 * 128 / 255);
  EXPECT_EQ((half >> 5) & 0x3F, 32 * 128 / 255);
}

TEST(SurfaceAdd, KeyedPixelsAddNothing) {
  auto screen = std::make_unique<Surface>();
  const Picture pic = Solid(3, 3, kKeyMagenta, kKeyMagenta);
  FillSurface(*screen, 0x0841);
  AddRect(*screen, 10, 10, pic, Rect{0, 0, 3, 3}, true, 255);
  EXPECT_EQ(CountColour(*screen, 0x0841), kScreenWidth * kScreenHeight);
}

}  // namespace
}  // namespace klumpix
