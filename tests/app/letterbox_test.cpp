// The picture in windows of every shape: a pointer lands on the pixel drawn
// under it, and scaling only what changed gives the very window a full
// scale gives, touching nothing outside the rectangles it reports.
#include "app/letterbox.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

namespace klumpix {
namespace {

constexpr int kSizes[][2] = {{800, 600}, {1920, 1080}, {1366, 768}, {640, 900}, {401, 300}};

TEST(Letterbox, APointerLandsOnThePixelDrawnUnderIt) {
  for (const auto& size : kSizes) {
    const int w = size[0], h = size[1];
    PictureScaler scaler;
    scaler.Resize(w, h);
    auto picture = std::make_unique<Surface>();
    for (int i = 0; i < kScreenWidth * kScreenHeight; ++i) {
      picture->pixels[i] = static_cast<std::uint16_t>(i * 2654435761u >> 16);
    }
    std::vector<std::uint32_t> window(static_cast<std::size_t>(w) * h, 0xFFFFFFFF);
    scaler.Scale(*picture, window.data(), w);
    const Letterbox& box = scaler.box();
    EXPECT_TRUE(box.width == w || box.height == h) << w << "x" << h;
    for (int y = 0; y < h; y += 7) {
      for (int x = 0; x < w; x += 5) {
        int px = 0, py = 0;
        ToPicture(box, x, y, px, py);
        const std::uint32_t shown = window[static_cast<std::size_t>(y) * w + x];
        if (px < 0 || px >= kScreenWidth || py < 0 || py >= kScreenHeight) {
          EXPECT_EQ(shown, 0u) << "the bars are black at " << x << "," << y;
          continue;
        }
        const Rgb888 c = ExpandRgb565(picture->pixels[py * kScreenWidth + px]);
        ASSERT_EQ(shown, static_cast<std::uint32_t>(c.r << 16 | c.g << 8 | c.b))
            << w << "x" << h << " at " << x << "," << y;
      }
    }
  }
}

TEST(Letterbox, ScalingWhatChangedGivesTheWindowAFullScaleGives) {
  std::mt19937 dice(7);
  for (const auto& size : kSizes) {
    const int w = size[0], h = size[1];
    PictureScaler step, full;
    step.Resize(w, h);
    std::vector<std::uint32_t> window(static_cast<std::size_t>(w) * h);
    auto picture = std::make_unique<Surface>();
    FillSurface(*picture, 0x1234);
    step.Scale(*picture, window.data(), w);
    for (int round = 0; round < 4; ++round) {
      const std::vector<std::uint32_t> before = window;
      for (int k = 0; k < 40; ++k) {  // a few small changes anywhere, edges included
        const int x = static_cast<int>(dice() % kScreenWidth);
        const int y = static_cast<int>(dice() % kScreenHeight);
        picture->pixels[y * kScreenWidth + x] = static_cast<std::uint16_t>(dice());
      }
      picture->pixels[0] ^= 0xFFFF;
      picture->pixels[kScreenWidth * kScreenHeight - 1] ^= 0xFFFF;
      const std::vector<WindowRect> rects = step.Scale(*picture, window.data(), w);

      full.Resize(w, h);
      std::vector<std::uint32_t> fresh(window.size());
      full.Scale(*picture, fresh.data(), w);
      ASSERT_EQ(window, fresh) << w << "x" << h << " round " << round;
      for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
          const std::size_t i = static_cast<std::size_t>(y) * w + x;
          if (window[i] == before[i]) continue;
          bool inside = false;
          for (const WindowRect& r : rects) {
            inside = inside || (r.left <= x && x < r.right && r.top <= y && y < r.bottom);
          }
          ASSERT_TRUE(inside) << "changed outside the reported rectangles at " << x << "," << y;
        }
      }
    }
  }
}

}  // namespace
}  // namespace klumpix
