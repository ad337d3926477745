// The generated art holds its look: the six stones stay apart for every
// colour vision, fields double their stones' hues, the floor stays calm and
// far from the stones, lettering carries an outline and reads over the floor,
// and the sounds fade every segment in and out at one common loudness.
// `klumpix_tests --gtest_filter='AssetLook*'` prints the measured figures.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "assets.h"
#include "colour_science.h"
#include "core/glyph_order.h"
#include "core/sound_names.h"
#include "glyph_designs.h"
#include "play/play_fixture.h"
#include "world/floor.h"

namespace assetgen {
namespace {

const Sheet& SheetAt(const std::string& path) {
  static const std::vector<Sheet> kSheets = PaintAllSheets();
  for (const Sheet& s : kSheets)
    if (s.path == path) return s;
  throw std::runtime_error("no sheet " + path);
}

Rgbf ToRgbf(Rgb8 p) {
  return {double(p.r), double(p.g), double(p.b)};
}

std::array<Rgbf, 6> StoneMeans() {
  std::array<Rgbf, 6> means;
  for (int i = 0; i < 6; ++i)
    means[i] = MeanVisible(SheetAt("steine/steinem.bmp"), 0, 25 * i, 27, 25);
  return means;
}

double LightnessSpread(const std::vector<Rgbf>& pixels) {
  double sum = 0, square = 0;
  for (const Rgbf& p : pixels) {
    const double l = ToLab(p).l;
    sum += l;
    square += l * l;
  }
  const double mean = sum / pixels.size();
  return std::sqrt(square / pixels.size() - mean * mean);
}

double Hue(Rgbf c) {
  const Lab lab = ToLab(c);
  return std::atan2(lab.b, lab.a);
}

TEST(AssetLook, StonesStayApartInEveryColourVision) {
  const std::array<Rgbf, 6> stones = StoneMeans();
  for (Vision v : kVisions) {
    double closest = 1e9;
    for (int a = 0; a < 6; ++a)
      for (int b = a + 1; b < 6; ++b)
        closest = std::min(closest, DeltaE2000(stones[a], stones[b], v));
    std::printf("stones, %s vision: closest pair dE2000 %.1f\n", VisionName(v), closest);
    EXPECT_GE(closest, v == Vision::kNormal ? 20 : 12) << VisionName(v);
  }
}

TEST(AssetLook, FieldsShowTheirStonesHueAndDropFieldsStandOut) {
  const Sheet& fields = SheetAt("steine/felderm.bmp");
  const std::array<Rgbf, 6> stones = StoneMeans();
  std::array<Rgbf, 8> means;
  for (int i = 0; i < 8; ++i) means[i] = MeanVisible(fields, 0, 26 * i, 28, 26);
  for (int i = 0; i < 6; ++i) {
    int nearest = 0;
    auto gap = [&](int s) {
      return std::fabs(std::remainder(Hue(means[i]) - Hue(stones[s]), 2 * M_PI));
    };
    for (int s = 1; s < 6; ++s)
      if (gap(s) < gap(nearest)) nearest = s;
    EXPECT_EQ(nearest, i) << "field " << i + 1;
  }
  for (Vision v : kVisions) {
    double closest = 1e9;
    for (int lit = 6; lit < 8; ++lit)
      for (int other = 0; other < 8; ++other)
        if (other != lit) closest = std::min(closest, DeltaE2000(means[lit], means[other], v));
    std::printf("drop fields, %s vision: closest other field dE2000 %.1f\n", VisionName(v),
                closest);
    EXPECT_GE(closest, 12) << VisionName(v);
  }
}

TEST(AssetLook, FloorStaysFarFromTheStonesAndCalmerThanThem) {
  const Sheet& floor = SheetAt("fboden/fliesenm.bmp");
  const std::array<Rgbf, 6> stones = StoneMeans();
  double stone_spread = 1e9;
  for (int i = 0; i < 6; ++i) {
    std::vector<Rgbf> pixels;
    for (int y = 25 * i; y < 25 * (i + 1); ++y)
      for (int x = 0; x < 27; ++x)
        if (ToRgb565(SheetAt("steine/steinem.bmp").image.At(x, y)) != 0)
          pixels.push_back(ToRgbf(SheetAt("steine/steinem.bmp").image.At(x, y)));
    stone_spread = std::min(stone_spread, LightnessSpread(pixels));
  }
  double closest = 1e9, calmest_margin = 1e9;
  for (int design = 1; design <= 13; ++design) {
    for (int level = 1; level <= 31; ++level) {
      std::vector<Rgbf> tile;
      for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
          tile.push_back(ToRgbf(floor.image.At(20 * level + x, 20 * design + y)));
      for (const Rgbf& p : tile)
        for (const Rgbf& s : stones) closest = std::min(closest, DeltaE2000(p, s));
      calmest_margin = std::min(calmest_margin, 0.6 * stone_spread - LightnessSpread(tile));
    }
  }
  std::printf(
      "floor: closest pixel to a stone dE2000 %.1f; texture below 0.6 x stones' by %.1f L*\n",
      closest, calmest_margin);
  EXPECT_GE(closest, 15);
  EXPECT_GT(calmest_margin, 0);
}

bool IsKey(Rgb8 p) {
  return ToRgb565(p) == KeyRgb565(Key::kMagenta);
}
bool IsDark(Rgb8 p) {
  return RelativeLuminance(ToRgbf(p)) < 0.01;
}

TEST(AssetLook, EveryGlyphStrokeIsRingedByDarkInsideItsCell) {
  const std::pair<const char*, int> kFonts[] = {
      {"schriftz/font1gruen.bmp", 7},  {"schriftz/font1dgruen.bmp", 7}, {"schriftz/font1.bmp", 7},
      {"schriftz/font2gruen.bmp", 15}, {"schriftz/font5.bmp", 15},      {"schriftz/font3.bmp", 30}};
  for (auto [path, cell] : kFonts) {
    const Image& img = SheetAt(path).image;
    int bare = 0;
    for (int y = 0; y < img.height; ++y)
      for (int x = 0; x < img.width; ++x) {
        if (IsKey(img.At(x, y)) || IsDark(img.At(x, y))) continue;
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            const bool same_cell =
                nx >= 0 && ny >= 0 && nx / cell == x / cell && ny / cell == y / cell;
            if (same_cell && ny < img.height && IsKey(img.At(nx, ny))) ++bare;
          }
      }
    EXPECT_EQ(bare, 0) << path;
  }
}

// The store heading and the row countdowns, as the first tick of a game
// writes them, over every floor design lit as the game starts.
TEST(AssetLook, StoreLetteringReadsOnEveryFloorAtTheStartLight) {
  auto g = klumpix::testing::RunningGame(1);
  klumpix::testing::Tick(*g);
  const Sheet& font = SheetAt("schriftz/font1gruen.bmp");
  const Image& floor = SheetAt("fboden/fliesenm.bmp").image;
  double lowest = 1e9;
  int cells = 0;
  for (int c = 0; c < g->text.text_call_count; ++c) {
    const klumpix::TextCall& call = g->text.text_calls[c];
    const std::string text = call.text.c_str();
    const bool countdown =
        call.y == 180 && text.find_first_not_of("0123456789") == std::string::npos;
    if (call.font != 1 || (text != "STEINELAGER" && !countdown)) continue;
    for (std::size_t k = 0; k < text.size(); ++k) {
      const auto glyph = klumpix::kSmallGlyphOrder.find(text[k]);
      const int gx = static_cast<int>(glyph % 10) * 7, gy = static_cast<int>(glyph / 10) * 7;
      std::vector<Rgbf> ink;
      for (int y = gy; y < gy + 7; ++y)
        for (int x = gx; x < gx + 7; ++x)
          if (!IsKey(font.image.At(x, y)) && !IsDark(font.image.At(x, y)))
            ink.push_back(ToRgbf(font.image.At(x, y)));
      Rgbf ink_mean;
      for (const Rgbf& p : ink)
        ink_mean = {ink_mean.r + p.r / ink.size(), ink_mean.g + p.g / ink.size(),
                    ink_mean.b + p.b / ink.size()};
      const int cell_x = call.x + 8 * static_cast<int>(k + 1);
      for (int design = 1; design <= 13; ++design) {
        Rgbf under;
        for (int y = call.y; y < call.y + 7; ++y)
          for (int x = cell_x; x < cell_x + 7; ++x) {
            const int tile = ((x - 10) / 20 - 1) * 28 + (y - 10) / 20;
            const int level = TileBrightness(*g, static_cast<std::int16_t>(tile));
            const Rgbf p =
                ToRgbf(floor.At(20 * level + (x - 10) % 20, 20 * design + (y - 10) % 20));
            under = {under.r + p.r / 49, under.g + p.g / 49, under.b + p.b / 49};
          }
        lowest = std::min(lowest, ContrastRatio(ink_mean, under));
      }
      ++cells;
    }
  }
  std::printf(
      "store lettering: lowest contrast over the floor %.2f:1 (%d glyph cells, 13 designs)\n",
      lowest, cells);
  EXPECT_EQ(cells, 11 + 14 * 3);
  EXPECT_GE(lowest, 4.5);
}

double Rms(const Sound& s) {
  double square = 0;
  for (std::int16_t v : s.samples) square += (v / 32768.0) * (v / 32768.0);
  return std::sqrt(square / s.samples.size());
}

TEST(AssetLook, SoundSegmentsFadeInAndOutAndTheSoundsMatchInLoudness) {
  double quietest = 1e9, loudest = 0;
  for (const Sound& s : SynthesiseSounds()) {
    SCOPED_TRACE(s.name);
    const double seconds = static_cast<double>(s.samples.size()) / s.sample_rate;
    EXPECT_FALSE(s.segments.empty());
    for (const Segment& seg : s.segments) {
      EXPECT_GE(seg.attack, kShortestRamp);
      EXPECT_GE(seg.release, kShortestRamp);
      EXPECT_LE(seg.start + seg.length, seconds + 1e-9);
    }
    int peak = 0;
    for (std::int16_t v : s.samples) peak = std::max(peak, std::abs(static_cast<int>(v)));
    EXPECT_LE(20 * std::log10(peak / 32768.0), -1.0);
    if (s.name == klumpix::SoundName(klumpix::kSoundMaser3))
      continue;  // the short laser blip stays quieter
    quietest = std::min(quietest, Rms(s));
    loudest = std::max(loudest, Rms(s));
  }
  std::printf("sounds: RMS spread %.2f dB\n", 20 * std::log10(loudest / quietest));
  EXPECT_LE(20 * std::log10(loudest / quietest), 3.0);
}

}  // namespace
}  // namespace assetgen
