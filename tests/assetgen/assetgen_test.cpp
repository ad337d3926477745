// The generated pictures and sounds must fit the cell layouts the game cuts
// them by, never show a visible pixel in the transparent colour, and come out
// byte-identical on every run.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "assets.h"
#include "bmp_writer.h"
#include "core/glyph_order.h"
#include "core/sound_names.h"
#include "glyph_designs.h"
#include "png_writer.h"
#include "wav_writer.h"

namespace assetgen {
namespace {

const std::vector<Sheet>& Sheets() {
  static const std::vector<Sheet> kSheets = PaintAllSheets();
  return kSheets;
}

const Sheet& SheetAt(const std::string& path) {
  for (const Sheet& s : Sheets())
    if (s.path == path) return s;
  throw std::runtime_error("no sheet " + path);
}

bool CellIsEmpty(const Sheet& s, int x0, int y0, int w, int h) {
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x)
      if (ToRgb565(s.image.At(x, y)) != KeyRgb565(s.key)) return false;
  return true;
}

std::uint32_t ReadU32(const std::vector<unsigned char>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
         (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

TEST(AssetSheets, TransparentPixelsAreExactlyTheKeyAndNoVisiblePixelQuantisesOntoIt) {
  for (const Sheet& s : Sheets()) {
    if (s.key == Key::kNone) continue;
    SCOPED_TRACE(s.path);
    const Rgb8 key = s.key == Key::kMagenta ? Rgb8{255, 0, 255} : Rgb8{0, 0, 0};
    int bad = 0;
    for (const Rgb8& p : s.image.pixels)
      if (ToRgb565(p) == KeyRgb565(s.key) && !(p == key)) ++bad;
    EXPECT_EQ(bad, 0);
  }
}

TEST(AssetSheets, EveryCellTheGameCutsHasAPicture) {
  for (int v = 0; v < 8; ++v)
    EXPECT_FALSE(CellIsEmpty(SheetAt("steine/felderm.bmp"), 0, 26 * v, 28, 26)) << v;
  for (int v = 0; v < 6; ++v)
    EXPECT_FALSE(CellIsEmpty(SheetAt("steine/steinem.bmp"), 0, 25 * v, 27, 25)) << v;
  for (int f = 0; f < 2; ++f)
    EXPECT_FALSE(CellIsEmpty(SheetAt("steine/schatten.bmp"), 0, 27 * f, 27, 27)) << f;
  for (int c = 0; c < 18; ++c)
    EXPECT_FALSE(CellIsEmpty(SheetAt("layouts/knoepfe2.bmp"), 0, 48 * c, 64, 48)) << c;
  const Sheet& expl = SheetAt("effekte/expl.bmp");
  for (int v = 0; v < 6; ++v) {
    EXPECT_FALSE(CellIsEmpty(expl, 75 * v, 75 * 4, 75, 75))
        << v;  // frame 5, the first usually shown
    EXPECT_TRUE(CellIsEmpty(expl, 75 * v, 75 * 27, 75, 75)) << v;  // burnt out by frame 28
  }
}

TEST(AssetSheets, FrameLayoutLeavesTheWindowOpenButKeepsPanelsSolid) {
  const Sheet& s = SheetAt("layouts/layout2.bmp");
  EXPECT_TRUE(CellIsEmpty(s, 100, 60, 140, 480));  // window left of the box
  EXPECT_TRUE(CellIsEmpty(s, 560, 60, 30, 480));   // window right of the box
  EXPECT_TRUE(CellIsEmpty(s, 240, 60, 320, 130));  // window above the box
  const int kPanels[][4] = {{0, 0, 800, 60},
                            {0, 60, 100, 480},
                            {0, 540, 800, 60},
                            {590, 60, 210, 480},
                            {240, 190, 320, 220}};
  for (const auto& r : kPanels)
    for (int y = r[1]; y < r[1] + r[3]; ++y)
      for (int x = r[0]; x < r[0] + r[2]; ++x)
        ASSERT_NE(ToRgb565(s.image.At(x, y)), 0) << x << "," << y;
}

TEST(AssetFonts, MappedGlyphsAreDrawnAndUnmappedCellsStayEmpty) {
  const char* kSmall[] = {"schriftz/font1gruen.bmp", "schriftz/font1dgruen.bmp",
                          "schriftz/font1.bmp"};
  for (const char* path : kSmall) {
    const Sheet& s = SheetAt(path);
    for (int g = 1; g <= 60; ++g)
      EXPECT_EQ(CellIsEmpty(s, (g - 1) % 10 * 7, (g - 1) / 10 * 7, 7, 7), g == 55)
          << path << " glyph " << g;
  }
  const std::pair<const char*, int> kLarge[] = {
      {"schriftz/font2gruen.bmp", 15}, {"schriftz/font5.bmp", 15}, {"schriftz/font3.bmp", 30}};
  for (auto [path, cell] : kLarge) {
    const Sheet& s = SheetAt(path);
    for (int g = 1; g <= 80; ++g) {
      bool empty_slot = g == 74 || g == 76 || g == 78;
      EXPECT_EQ(CellIsEmpty(s, (g - 1) % 10 * cell, (g - 1) / 10 * cell, cell, cell), empty_slot)
          << path << " " << g;
    }
  }
  // Every character the maps name has a design, and no two letters share one.
  for (const char c : klumpix::kSmallGlyphOrder)
    EXPECT_TRUE(c == ' ' || FindGlyph(GlyphName(c))) << c;
  for (const char c : klumpix::kLargeGlyphOrder)
    EXPECT_TRUE(c == '\0' || FindGlyph(GlyphName(c))) << c;
  for (char a = 'A'; a <= 'Z'; ++a)
    for (char b = a + 1; b <= 'Z'; ++b)
      EXPECT_NE(FindGlyph(GlyphName(a))->rows, FindGlyph(GlyphName(b))->rows);
}

TEST(AssetSounds, SixSoundsWithTheirRatesLengthsAndHeadroom) {
  const std::vector<Sound> sounds = SynthesiseSounds();
  const std::tuple<int, double> kExpected[] = {{11025, 1.72}, {22050, 0.86}, {11025, 1.53},
                                               {44100, 0.28}, {11025, 1.50}, {11025, 1.49}};
  ASSERT_EQ(sounds.size(), 6u);
  for (std::size_t i = 0; i < 6; ++i) {
    auto [rate, seconds] = kExpected[i];
    const Sound& s = sounds[i];
    const char* name = klumpix::SoundName(static_cast<klumpix::SoundId>(i));
    SCOPED_TRACE(name);
    EXPECT_EQ(s.name, name);
    EXPECT_EQ(s.sample_rate, rate);
    EXPECT_EQ(static_cast<long>(s.samples.size()), std::lround(rate * seconds));
    int peak = 0;
    for (std::int16_t v : s.samples) peak = std::max(peak, std::abs(static_cast<int>(v)));
    EXPECT_GT(peak, 10000);  // audible
    EXPECT_LT(peak, 32767);  // never clipped
    EXPECT_LT(std::abs(s.samples.front()) + std::abs(s.samples.back()),
              200);  // faded ends, no click
  }
}

TEST(AssetEncoders, WavBmpAndPngHeadersDescribeTheirContent) {
  const std::vector<unsigned char> wav = EncodeWav(22050, std::vector<std::int16_t>(100, 7));
  ASSERT_EQ(wav.size(), 44u + 200u);
  EXPECT_EQ(std::memcmp(wav.data(), "RIFF", 4), 0);
  EXPECT_EQ(ReadU32(wav, 4), wav.size() - 8);
  EXPECT_EQ(std::memcmp(wav.data() + 8, "WAVEfmt ", 8), 0);
  EXPECT_EQ(ReadU32(wav, 24), 22050u);
  EXPECT_EQ(wav[22], 1);   // mono
  EXPECT_EQ(wav[34], 16);  // bits per sample
  EXPECT_EQ(ReadU32(wav, 40), 200u);

  Image img{3, 2, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}, {13, 14, 15}, {16, 17, 18}}};
  const std::vector<unsigned char> bmp = EncodeBmp(img);
  ASSERT_EQ(bmp.size(), 54u + 2 * 12u);  // rows of 9 bytes padded to 12
  EXPECT_EQ(ReadU32(bmp, 18), 3u);
  EXPECT_EQ(ReadU32(bmp, 22), 2u);  // positive height: bottom-up
  EXPECT_EQ(bmp[28], 24);
  EXPECT_EQ(bmp[54], 12);  // first stored pixel is the bottom-left, in B, G, R order
  EXPECT_EQ(bmp[56], 10);

  const unsigned char kCheck[] = "123456789";
  EXPECT_EQ(Crc32(kCheck, 9), 0xCBF43926u);
  const unsigned char kWiki[] = "Wikipedia";
  EXPECT_EQ(Adler32(kWiki, 9), 0x11E60398u);
  const std::vector<unsigned char> png = EncodePng(kIconSize, kIconSize, PaintIcon());
  EXPECT_EQ(std::memcmp(png.data(), "\x89PNG\r\n\x1a\n", 8), 0);
  EXPECT_EQ(std::memcmp(png.data() + png.size() - 8, "IEND", 4), 0);
}

#ifdef KLUMPIX_TEST_BINARY_DIR
std::string WrittenByTheBuild(const std::string& path) {
  std::ifstream in(std::string(KLUMPIX_TEST_BINARY_DIR) + "/" + path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The build's own run of the generator wrote its files; painting and
// synthesising again in this process gives the same bytes.
TEST(AssetDeterminism, ASecondRunGivesTheBytesTheBuildWrote) {
  for (const Sheet& s : Sheets()) {
    const std::vector<unsigned char> bmp = EncodeBmp(s.image);
    EXPECT_TRUE(WrittenByTheBuild("res/" + s.path) == std::string(bmp.begin(), bmp.end()))
        << s.path;
  }
  EXPECT_TRUE(WrittenByTheBuild("generated/embedded_sounds.cpp") ==
              EmbeddedSoundsSource(SynthesiseSounds()));
  for (int size : kIconThemeSizes) {
    const std::vector<unsigned char> icon = EncodePng(size, size, PaintIcon(size));
    const std::string side = std::to_string(size);
    EXPECT_TRUE(WrittenByTheBuild("icons/" + side + "x" + side + "/apps/org.klumpix.klumpix.png") ==
                std::string(icon.begin(), icon.end()))
        << size;
  }
}
#endif

}  // namespace
}  // namespace assetgen
