#include "core/surface.h"

#include <algorithm>

namespace klumpix {

namespace {

// Clips a copy of `src` placed at (x, y) against the screen and the picture.
// Returns false when nothing remains.
bool Clip(int& x, int& y, const Picture& pic, Rect& src) {
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

std::uint16_t AddPixel(std::uint16_t below, std::uint16_t add, int strength) {
  int r = add >> 11;
  int g = (add >> 5) & 0x3F;
  int b = add & 0x1F;
  if (strength < 255) {
    r = r * strength / 255;
    g = g * strength / 255;
    b = b * strength / 255;
  }
  r = std::min(31, r + (below >> 11));
  g = std::min(63, g + ((below >> 5) & 0x3F));
  b = std::min(31, b + (below & 0x1F));
  return static_cast<std::uint16_t>((r << 11) | (g << 5) | b);
}

}  // namespace

void FillSurface(Surface& dst, std::uint16_t colour) {
  std::fill(std::begin(dst.pixels), std::end(dst.pixels), colour);
}

void CopyRect(Surface& dst, int x, int y, const Picture& pic, Rect src, bool keyed) {
  if (!Clip(x, y, pic, src)) return;
  const int w = src.right - src.left;
  for (int row = src.top; row < src.bottom; ++row, ++y) {
    const std::uint16_t* in = &pic.pixels[static_cast<std::size_t>(row) * pic.width + src.left];
    std::uint16_t* out = &dst.pixels[y * kScreenWidth + x];
    if (!keyed) {
      std::copy(in, in + w, out);
      continue;
    }
    // Written as a select rather than a branch so the compiler can do
    // whole vectors of pixels at once.
    const std::uint16_t key = pic.key;
    for (int i = 0; i < w; ++i) out[i] = in[i] != key ? in[i] : out[i];
  }
}

void AddRect(Surface& dst, int x, int y, const Picture& pic, Rect src, bool keyed, int strength) {
  if (strength <= 0) return;
  if (!Clip(x, y, pic, src)) return;
  const int w = src.right - src.left;
  for (int row = src.top; row < src.bottom; ++row, ++y) {
    const std::uint16_t* in = &pic.pixels[static_cast<std::size_t>(row) * pic.width + src.left];
    std::uint16_t* out = &dst.pixels[y * kScreenWidth + x];
    for (int i = 0; i < w; ++i) {
      if (keyed && in[i] == pic.key) continue;
      out[i] = AddPixel(out[i], in[i], strength);
    }
  }
}

}  // namespace klumpix
