// Inputs the fuzzers have found, kept so the faults they showed stay fixed.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/bmp.h"

namespace klumpix {
namespace {

// A 40-byte picture header with the given header-size field; the rest is a
// plausible 2 x 2 palettised picture.
std::vector<std::uint8_t> PalettisedBmp(std::uint32_t header_size) {
  std::vector<std::uint8_t> bytes(54 + 16 + 8, 0);
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put32(2, static_cast<std::uint32_t>(bytes.size()));
  put32(10, 70);
  put32(14, header_size);
  put32(18, 2);
  put32(22, 2);
  bytes[26] = 1;
  bytes[28] = 8;
  put32(46, 4);
  return bytes;
}

TEST(FuzzFindings, HeaderSizesThatWrapAroundAreRefusedNotFollowed) {
  for (std::uint32_t header_size : {0xFFFFFFFFu, 0xFFFFFFF3u, 0x80000000u}) {
    const std::vector<std::uint8_t> bytes = PalettisedBmp(header_size);
    Picture picture;
    std::string error;
    EXPECT_FALSE(DecodeBmp(bytes.data(), bytes.size(), picture, error)) << header_size;
    EXPECT_FALSE(error.empty());
  }
  // The same picture with an honest header still loads.
  const std::vector<std::uint8_t> good = PalettisedBmp(40);
  Picture picture;
  std::string error;
  ASSERT_TRUE(DecodeBmp(good.data(), good.size(), picture, error)) << error;
  EXPECT_EQ(picture.width, 2);
  EXPECT_EQ(picture.height, 2);
}

}  // namespace
}  // namespace klumpix
