#include "core/surface.h"

#include <algorithm>
#include <cstring>

#include "core/simd.h"

namespace klumpix {

namespace {

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

void FillCover(CoverMask& cover, Rect area, std::uint8_t value) {
  for (int y = area.top; y < area.bottom; ++y) {
    std::fill(&cover.pixels[y * kScreenWidth + area.left],
              &cover.pixels[y * kScreenWidth + area.right], value);
  }
}

void FillRect(Surface& dst, Rect area, std::uint16_t colour) {
  for (int y = area.top; y < area.bottom; ++y) {
    std::fill(&dst.pixels[y * kScreenWidth + area.left], &dst.pixels[y * kScreenWidth + area.right],
              colour);
  }
}

namespace {

// Rows eight pixels at a time. A row that does not end on a whole vector
// ends with one that overlaps the vector before it.
void CopyRow(std::uint16_t* out, const std::uint16_t* in, int w) {
  if (w < 8) {
    std::copy(in, in + w, out);
    return;
  }
  for (int i = 0; i + 8 < w; i += 8) simd::Store(out + i, simd::Load(in + i));
  simd::Store(out + w - 8, simd::Load(in + w - 8));
}

// `room`: eight pixels may be read at `in` and read and written at `out`.
// A row narrower than that is then blended as one vector whose lanes past
// the row keep the pixels they hold.
void KeyedRow(std::uint16_t* out, const std::uint16_t* in, int w, std::uint16_t key, bool room) {
  const simd::U16x8 keys = simd::U16x8{} + key;
  if (w < 8 && room) {
    const simd::U16x8 lanes = {0, 1, 2, 3, 4, 5, 6, 7};
    const simd::U16x8 src = simd::Load(in);
    const auto opaque =
        reinterpret_cast<simd::U16x8>((src != keys) & (lanes < static_cast<std::uint16_t>(w)));
    simd::Store(out, (src & opaque) | (simd::Load(out) & ~opaque));
    return;
  }
  if (w < 8) {
    for (int i = 0; i < w; ++i) out[i] = in[i] != key ? in[i] : out[i];
    return;
  }
  const auto blend = [&](int i) {
    const simd::U16x8 src = simd::Load(in + i);
    const auto opaque = reinterpret_cast<simd::U16x8>(src != keys);
    return (src & opaque) | (simd::Load(out + i) & ~opaque);
  };
  // The last vector is blended before anything is stored, so that it does not
  // read pixels the vector before it has just written (the processor would
  // stall on them). Where the two overlap they store the same pixels: keying
  // the same source over a pixel twice gives the pixel of keying it once.
  const simd::U16x8 last = blend(w - 8);
  for (int i = 0; i + 8 < w; i += 8) simd::Store(out + i, blend(i));
  simd::Store(out + w - 8, last);
}

// As KeyedRow, and every copied pixel's cover set to all ones.
void KeyedRowCovering(std::uint16_t* out, std::uint8_t* cover, const std::uint16_t* in, int w,
                      std::uint16_t key) {
  if (w < 8) {
    for (int i = 0; i < w; ++i) {
      if (in[i] == key) continue;
      out[i] = in[i];
      cover[i] = 0xFF;
    }
    return;
  }
  const simd::U16x8 keys = simd::U16x8{} + key;
  const auto opaque_at = [&](int i) {
    return reinterpret_cast<simd::U16x8>(simd::Load(in + i) != keys);
  };
  const auto blend = [&](int i, simd::U16x8 opaque) {
    return (simd::Load(in + i) & opaque) | (simd::Load(out + i) & ~opaque);
  };
  const simd::U16x8 last_opaque = opaque_at(w - 8);
  const simd::U16x8 last = blend(w - 8, last_opaque);
  const simd::U16x8 last_cover = simd::LoadWidened(cover + w - 8) | last_opaque;
  for (int i = 0; i + 8 < w; i += 8) {
    const simd::U16x8 opaque = opaque_at(i);
    simd::Store(out + i, blend(i, opaque));
    simd::StoreNarrowed(cover + i, simd::LoadWidened(cover + i) | opaque);
  }
  simd::Store(out + w - 8, last);
  simd::StoreNarrowed(cover + w - 8, last_cover);
}

}  // namespace

bool HasKey(const Picture& pic, Rect src) {
  const int w = src.right - src.left;
  const simd::U16x8 keys = simd::U16x8{} + pic.key;
  for (int row = src.top; row < src.bottom; ++row) {
    const std::uint16_t* in = &pic.pixels[static_cast<std::size_t>(row) * pic.width + src.left];
    if (w < 8) {
      if (std::find(in, in + w, pic.key) != in + w) return true;
      continue;
    }
    // A true comparison is all ones in its lane; the last vector overlaps.
    auto found = reinterpret_cast<simd::U16x8>(simd::Load(in + w - 8) == keys);
    for (int i = 0; i + 8 < w; i += 8) {
      found |= reinterpret_cast<simd::U16x8>(simd::Load(in + i) == keys);
    }
    std::uint64_t lanes[2];
    std::memcpy(lanes, &found, sizeof lanes);
    if ((lanes[0] | lanes[1]) != 0) return true;
  }
  return false;
}

void CopyRectCovering(Surface& dst, CoverMask& cover, int x, int y, const Picture& pic, Rect src,
                      bool keyed) {
  if (!keyed) {
    CopyRect(dst, x, y, pic, src, false);
    if (ClipToScreen(x, y, pic, src)) {
      FillCover(cover, Rect{x, y, x + src.right - src.left, y + src.bottom - src.top}, 0xFF);
    }
    return;
  }
  if (!ClipToScreen(x, y, pic, src)) return;
  const int w = src.right - src.left;
  for (int row = src.top; row < src.bottom; ++row, ++y) {
    const std::uint16_t* in = &pic.pixels[static_cast<std::size_t>(row) * pic.width + src.left];
    KeyedRowCovering(&dst.pixels[y * kScreenWidth + x], &cover.pixels[y * kScreenWidth + x], in, w,
                     pic.key);
  }
}

void CompositeFrom(Surface& dst, const Surface& top, const CoverMask& cover, Rect area,
                   const std::uint16_t* bottom, int stride) {
  const int w = area.right - area.left;
  for (int y = area.top; y < area.bottom; ++y, bottom += stride) {
    const int at = y * kScreenWidth + area.left;
    std::uint16_t* out = dst.pixels + at;
    const std::uint16_t* over = top.pixels + at;
    const std::uint8_t* mask = cover.pixels + at;
    if (w < 8) {
      for (int i = 0; i < w; ++i) out[i] = mask[i] != 0 ? over[i] : bottom[i];
      continue;
    }
    const auto blend = [&](int i) {
      const simd::U16x8 c = simd::LoadWidened(mask + i);
      return (simd::Load(over + i) & c) | (simd::Load(bottom + i) & ~c);
    };
    // A row that does not end on a whole vector ends with one overlapping
    // the vector before it; the rows it reads are not the one it writes.
    for (int i = 0; i + 8 < w; i += 8) simd::Store(out + i, blend(i));
    simd::Store(out + w - 8, blend(w - 8));
  }
}

void CopyFrom(Surface& dst, Rect area, const std::uint16_t* src, int stride) {
  for (int y = area.top; y < area.bottom; ++y, src += stride) {
    CopyRow(dst.pixels + y * kScreenWidth + area.left, src, area.right - area.left);
  }
}

void CopyRect(Surface& dst, int x, int y, const Picture& pic, Rect src, bool keyed) {
  if (!ClipToScreen(x, y, pic, src)) return;
  const int w = src.right - src.left;
  const std::uint16_t* in_end = pic.pixels.data() + pic.pixels.size();
  const std::uint16_t* out_end = dst.pixels + kScreenWidth * kScreenHeight;
  for (int row = src.top; row < src.bottom; ++row, ++y) {
    const std::uint16_t* in = &pic.pixels[static_cast<std::size_t>(row) * pic.width + src.left];
    std::uint16_t* out = &dst.pixels[y * kScreenWidth + x];
    if (keyed) {
      KeyedRow(out, in, w, pic.key, in_end - in >= 8 && out_end - out >= 8);
    } else {
      CopyRow(out, in, w);
    }
  }
}

void AddRect(Surface& dst, int x, int y, const Picture& pic, Rect src, bool keyed, int strength) {
  if (strength <= 0) return;
  if (!ClipToScreen(x, y, pic, src)) return;
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
