#include <gtest/gtest.h>

#include <memory>

#include "core/bmp.h"
#include "core/cp1252.h"
#include "core/pcg32.h"

namespace klumpix {
namespace {

TEST(Pcg32, MatchesTheReferenceSequence) {
  Pcg32 rng;
  rng.Seed(42, 54);
  const std::uint32_t expected[] = {0xa15c02b7, 0x7b47f409, 0xba1d3330,
                                    0x83d2f293, 0xbfa4784b, 0xcbed606e};
  for (std::uint32_t e : expected) EXPECT_EQ(rng.Next(), e);
}

TEST(Pcg32, RandomStaysInRangeAndIsRepeatable) {
  Pcg32 a, b;
  a.Seed(7, 0);
  b.Seed(7, 0);
  for (int i = 0; i < 1000; ++i) {
    const std::uint32_t v = a.Random(6);
    EXPECT_LT(v, 6u);
    EXPECT_EQ(v, b.Random(6));
  }
}

TEST(Bmp, ScreenshotDecodesToTheSamePixels) {
  auto screen = std::make_unique<Surface>();
  for (int i = 0; i < kScreenWidth * kScreenHeight; ++i)
    screen->pixels[i] = static_cast<std::uint16_t>(i * 2654435761u);
  const auto bytes = EncodeScreenshotBmp(*screen);
  ASSERT_EQ(bytes.size(), 54u + 800u * 600u * 3u);
  Picture pic;
  std::string error;
  ASSERT_TRUE(DecodeBmp(bytes.data(), bytes.size(), pic, error)) << error;
  ASSERT_EQ(pic.width, 800);
  ASSERT_EQ(pic.height, 600);
  for (int i = 0; i < kScreenWidth * kScreenHeight; ++i)
    ASSERT_EQ(pic.pixels[i], screen->pixels[i]) << i;
}

TEST(Bmp, WidensChannelsByBitReplication) {
  auto screen = std::make_unique<Surface>();
  FillSurface(*screen, 0xFFFF);
  screen->pixels[799 * 0] = 0x8410;  // r5 16, g6 32, b5 16 at the top-left
  const auto bytes = EncodeScreenshotBmp(*screen);
  const std::size_t top_row = 54 + 599u * 2400u;  // bottom-up
  EXPECT_EQ(bytes[top_row + 0], (16 << 3) | (16 >> 2));
  EXPECT_EQ(bytes[top_row + 1], (32 << 2) | (32 >> 4));
  EXPECT_EQ(bytes[54], 255);
}

TEST(Bmp, RejectsDamagedFiles) {
  auto screen = std::make_unique<Surface>();
  FillSurface(*screen, 0);
  auto bytes = EncodeScreenshotBmp(*screen);
  Picture pic;
  std::string error;
  EXPECT_FALSE(DecodeBmp(bytes.data(), 100, pic, error));  // truncated
  bytes[28] = 16;                                          // 16-bit: not ours
  EXPECT_FALSE(DecodeBmp(bytes.data(), bytes.size(), pic, error));
  const std::uint8_t text[] = "hello, not a picture at all, just text of some length.....";
  EXPECT_FALSE(DecodeBmp(text, sizeof text, pic, error));
}

TEST(Cp1252, UmlautsAndEuroBecomeUtf8) {
  EXPECT_EQ(Cp1252ToUtf8("SPIEL L\xC4UFT"), "SPIEL L\xC3\x84UFT");
  EXPECT_EQ(Cp1252ToUtf8("\xD6\xDC"), "\xC3\x96\xC3\x9C");
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");
}

}  // namespace
}  // namespace klumpix
