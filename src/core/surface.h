#pragma once
// The 800 x 600 RGB565 back buffer and the off-screen pictures drawn into it.
// Every drawing operation of the game is one of these, done by us in memory.
#include <algorithm>
#include <cstdint>
#include <vector>

namespace klumpix {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;

constexpr std::uint16_t Rgb565(int r, int g, int b) {
  return static_cast<std::uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}
// One RGB565 pixel as 8-bit red, green and blue, the low bits filled from the
// high ones, as screenshots and the browser's canvas show it.
struct Rgb888 {
  std::uint8_t r, g, b;
  bool operator==(const Rgb888&) const = default;
};
constexpr Rgb888 ExpandRgb565(std::uint16_t p) {
  const int r5 = p >> 11, g6 = (p >> 5) & 0x3F, b5 = p & 0x1F;
  return {static_cast<std::uint8_t>((r5 << 3) | (r5 >> 2)),
          static_cast<std::uint8_t>((g6 << 2) | (g6 >> 4)),
          static_cast<std::uint8_t>((b5 << 3) | (b5 >> 2))};
}

constexpr std::uint16_t kKeyMagenta = Rgb565(255, 0, 255);  // 0xF81F
constexpr std::uint16_t kKeyBlack = 0x0000;

// An off-screen picture, converted to RGB565 when it is loaded. Pixels equal
// to `key` are skipped by the transparent copies.
struct Picture {
  int width = 0;
  int height = 0;
  std::uint16_t key = kKeyBlack;
  std::vector<std::uint16_t> pixels;  // row-major, top row first

  std::uint16_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

struct Surface {
  std::uint16_t pixels[kScreenWidth * kScreenHeight];
};

// A byte a pixel of the screen: all ones where something was drawn, else zero.
struct CoverMask {
  std::uint8_t pixels[kScreenWidth * kScreenHeight];
};

// Source rectangle: left/top inclusive, right/bottom exclusive.
struct Rect {
  int left, top, right, bottom;
};
inline constexpr Rect kWholeScreen{0, 0, kScreenWidth, kScreenHeight};

void FillSurface(Surface& dst, std::uint16_t colour);
// Fills `area` (left/top inclusive, right/bottom exclusive), which lies on the screen.
void FillRect(Surface& dst, Rect area, std::uint16_t colour);

// Clips a copy of `src` of `pic` placed at (x, y) to the screen and the
// picture, as the copies below clip it. False when nothing remains.
inline bool ClipToScreen(int& x, int& y, const Picture& pic, Rect& src) {
  src.left = std::max(src.left, 0);
  src.top = std::max(src.top, 0);
  src.right = std::min(src.right, pic.width);
  src.bottom = std::min(src.bottom, pic.height);
  if (x < 0) {
    src.left -= x;
    x = 0;
  }
  if (y < 0) {
    src.top -= y;
    y = 0;
  }
  if (x + (src.right - src.left) > kScreenWidth) src.right = src.left + (kScreenWidth - x);
  if (y + (src.bottom - src.top) > kScreenHeight) src.bottom = src.top + (kScreenHeight - y);
  return src.right > src.left && src.bottom > src.top;
}

// Whether `src`, which lies on `pic`, holds a pixel of the picture's key.
bool HasKey(const Picture& pic, Rect src);

// Copies `src` of `pic` with its top-left corner at (x, y), clipped to the
// screen; with `keyed`, pixels equal to the picture's key are skipped.
void CopyRect(Surface& dst, int x, int y, const Picture& pic, Rect src, bool keyed);

// Sets `area` (on the screen) of `cover` to `value`.
void FillCover(CoverMask& cover, Rect area, std::uint8_t value);

// As CopyRect into `dst`, setting each pixel of `cover` that a copied pixel
// lands on to all ones.
void CopyRectCovering(Surface& dst, CoverMask& cover, int x, int y, const Picture& pic, Rect src,
                      bool keyed);

// Within `area`: the pixel of `top` where `cover` is all ones, else the pixel
// of `bottom` (cover pixels are all ones or zero), a picture whose rows lie
// `stride` pixels apart, the first from the area's top left at `bottom`.
void CompositeFrom(Surface& dst, const Surface& top, const CoverMask& cover, Rect area,
                   const std::uint16_t* bottom, int stride);
// Copies `area` of another picture into `dst`: its rows `stride` pixels apart,
// the first from the area's top left at `src`.
void CopyFrom(Surface& dst, Rect area, const std::uint16_t* src, int stride);

// Adds `src` of `pic` onto the screen at (x, y), channel by channel,
// saturating. Strength below 255 first scales the source by strength/255.
void AddRect(Surface& dst, int x, int y, const Picture& pic, Rect src, bool keyed, int strength);

}  // namespace klumpix
