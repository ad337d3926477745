#include "world/renderer.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>

#include "shell/assets.h"
#include "shell/frame.h"
#include "shell/game.h"
#include "text/text_layer.h"

namespace klumpix {

namespace {

// The frame panels are cut from the layout picture where they are shown.
constexpr Rect kPanelRects[6] = {
    {0, 0, 0, 0},       {0, 0, 800, 60},     {0, 60, 100, 540},
    {0, 540, 800, 600}, {590, 60, 800, 540}, {240, 190, 560, 410},
};

constexpr int kButtonWidth = 64;
constexpr int kButtonLookHeight = 48;
constexpr int kButtonStyleHeight = 3 * kButtonLookHeight;

// The draw list is ordered by the selection sort the game has always drawn
// with: step j swaps the first smallest depth among positions j..n into
// position j, and those swaps decide the order among equal depths. The same
// order comes out a depth at a time: when the smaller depths are all placed,
// the steps take the entries of the next depth in the order they stand then,
// and each swaps the entry at j, always of a larger depth, into its place.
constexpr int kMaxPositions = kSlotCount + 1;

// The positions 1..n of `list` by depth, equal depths in position order: a
// counting sort on the low byte of the depth and then on the high byte.
void ByDepth(const DrawList& list, std::int16_t* order) {
  std::int16_t first_pass[kMaxPositions];
  const auto depth = [&](int position) {
    return static_cast<std::uint16_t>(list.key[position] + 32768);
  };
  const auto pass = [&](const std::int16_t* from, std::int16_t* to, int shift, bool first) {
    int start[257] = {};
    for (int i = 0; i < list.count; ++i) {
      const int position = first ? i + 1 : from[i];
      ++start[((depth(position) >> shift) & 0xFF) + 1];
    }
    for (int b = 0; b < 256; ++b) start[b + 1] += start[b];
    for (int i = 0; i < list.count; ++i) {
      const int position = first ? i + 1 : from[i];
      to[start[(depth(position) >> shift) & 0xFF]++] = static_cast<std::int16_t>(position);
    }
  };
  pass(nullptr, first_pass, 0, true);
  pass(first_pass, order, 8, false);
}

// Sorts distinct positions in place: a few by insertion, more through a bit
// for each position.
void SortPositions(std::int16_t* first, std::int16_t* past) {
  if (past - first > 16) {
    constexpr int kWords = (kMaxPositions + 63) / 64;
    std::uint64_t taken[kWords] = {};
    for (const std::int16_t* p = first; p < past; ++p) {
      taken[*p / 64] |= std::uint64_t{1} << (*p % 64);
    }
    for (int w = 0; w < kWords; ++w) {
      for (std::uint64_t bits = taken[w]; bits != 0; bits &= bits - 1) {
        *first++ = static_cast<std::int16_t>(64 * w + std::countr_zero(bits));
      }
    }
    return;
  }
  for (std::int16_t* p = first + 1; p < past; ++p) {
    const std::int16_t v = *p;
    std::int16_t* q = p;
    for (; q > first && *(q - 1) > v; --q) *q = *(q - 1);
    *q = v;
  }
}

}  // namespace

Rect SpriteCell(std::int16_t kind, std::int16_t image, std::int16_t frame, std::int16_t variant) {
  switch (kind) {
    case kKindPanel:
      if (variant >= 1 && variant <= 5) return kPanelRects[variant];
      return Rect{0, 0, 0, 0};
    case kKindButton: {
      const int top = kButtonStyleHeight * (variant - 1) + kButtonLookHeight * (frame - 1);
      return Rect{0, top, kButtonWidth, top + kButtonLookHeight};
    }
    case kKindPiece:
      if (image == kImageField) return Rect{0, 26 * (variant - 1), 28, 26 * variant};
      if (image == kImageShadow) return Rect{0, 27 * (frame - 1), 27, 27 * frame};
      return Rect{0, 25 * (variant - 1), 27, 25 * variant};
    case kKindExplosion:
      return Rect{75 * (variant - 1), 75 * (frame - 1), 75 * variant, 75 * frame};
    default:
      return Rect{0, 0, 0, 0};
  }
}

void UpdatePictureRect(Game& g, std::int16_t slot) {
  ObjectTable& o = g.obj;
  const Rect r = SpriteCell(o.kind[slot], o.image[slot], o.frame[slot], o.variant[slot]);
  o.src_left[slot] = static_cast<std::int16_t>(r.left);
  o.src_right[slot] = static_cast<std::int16_t>(r.right);
  o.src_top[slot] = static_cast<std::int16_t>(r.top);
  o.src_bottom[slot] = static_cast<std::int16_t>(r.bottom);
  o.width[slot] = static_cast<std::int16_t>(r.right - r.left);
  o.height[slot] = static_cast<std::int16_t>(r.bottom - r.top);
  o.half_width[slot] = static_cast<std::int16_t>(o.width[slot] / 2);
  o.half_height[slot] = static_cast<std::int16_t>(o.height[slot] / 2);
}

void UpdateShake(Game& g) {
  if (g.shake <= 0) return;
  g.shake -= 1;
  if (g.shake > 10) g.shake = 10;
  if (g.shake_prev == 0) g.shake_phase = 0;
  g.shake_phase += std::numbers::pi;
  g.shake_prev = g.shake;
}

namespace {

// The live slots in view, in slot order.
void CollectDrawList(const Game& g, DrawList& list) {
  const ObjectTable& o = g.obj;
  int n = 0;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    if (o.alive[slot] > 0 && o.x[slot] - o.half_width[slot] <= g.view_width &&
        o.x[slot] + o.half_width[slot] >= 0) {
      ++n;
      list.slot[n] = static_cast<std::int16_t>(slot);
      list.key[n] = o.depth[slot];
    }
  }
  list.count = n;
}

void SortDrawList(DrawList& list) {
  const int n = list.count;
  // The entries by depth; `at` and `place`: which entry stands at a position,
  // and where an entry stands (both by the entry's first position).
  std::int16_t by_depth[kMaxPositions];
  ByDepth(list, by_depth);
  std::int16_t at[kMaxPositions];
  std::int16_t place[kMaxPositions];
  for (int i = 1; i <= n; ++i) {
    at[i] = static_cast<std::int16_t>(i);
    place[i] = static_cast<std::int16_t>(i);
  }
  std::int16_t now[kMaxPositions];
  for (int first = 0, j = 1; first < n;) {
    int past = first + 1;
    while (past < n && list.key[by_depth[past]] == list.key[by_depth[first]]) ++past;
    for (int k = first; k < past; ++k) now[k - first] = place[by_depth[k]];
    SortPositions(now, now + (past - first));
    for (int k = 0; k < past - first; ++k, ++j) {
      const std::int16_t taken = at[now[k]];
      const std::int16_t moved = at[j];
      at[j] = taken;
      at[now[k]] = moved;
      place[taken] = static_cast<std::int16_t>(j);
      place[moved] = now[k];
    }
    first = past;
  }
  const DrawList unsorted = list;
  for (int i = 1; i <= n; ++i) {
    list.key[i] = unsorted.key[at[i]];
    list.slot[i] = unsorted.slot[at[i]];
  }
}

bool SameSlots(const DrawList& a, const DrawList& b) {
  const auto bytes = static_cast<std::size_t>(a.count + 1) * sizeof(std::int16_t);
  return a.count == b.count && std::memcmp(a.slot, b.slot, bytes) == 0 &&
         std::memcmp(a.key, b.key, bytes) == 0;
}

// The drawing order of this tick, sorted only when the slots or their depths
// differ from the last drawing's.
const DrawList& SortedDrawList(const Game& g, DrawOrder& order) {
  DrawList now;
  CollectDrawList(g, now);
  if (!order.valid || !SameSlots(now, order.unsorted)) {
    order.unsorted = now;
    order.sorted = now;
    SortDrawList(order.sorted);
    order.valid = true;
  }
  return order.sorted;
}

}  // namespace

void BuildDrawList(const Game& g, DrawList& list) {
  CollectDrawList(g, list);
  SortDrawList(list);
}

void DrawScene(const Game& g, const PictureSet& pictures, Frame& frame) {
  frame.drawing.Over(RetainedPicture::Layer::kObjects);
  const DrawList& list = SortedDrawList(g, frame.draw_order);
  const ObjectTable& o = g.obj;
  const double shake_offset = std::cos(g.shake_phase) * g.shake;
  for (int i = 1; i <= list.count; ++i) {
    const int slot = list.slot[i];
    // Unshaken, rounding the whole number gives it back.
    const int left = o.x[slot] - o.half_width[slot];
    const auto sx =
        static_cast<std::int16_t>(shake_offset == 0.0 ? left : std::lround(shake_offset + left));
    const auto sy = static_cast<std::int16_t>(o.y[slot] - o.half_height[slot]);
    if (sx + o.width[slot] < 0 || sy + o.half_height[slot] < 0 ||
        sx > o.half_width[slot] + g.view_width || sy > o.half_height[slot] + g.view_height) {
      continue;
    }
    const Picture* sheet = ObjectSheet(pictures, o.kind[slot], o.image[slot]);
    if (sheet == nullptr) continue;
    frame.drawing.Copy(
        sx, sy, *sheet,
        Rect{o.src_left[slot], o.src_top[slot], o.src_right[slot], o.src_bottom[slot]}, true,
        kBySlot + slot);
  }
  DrawTextLayer(g, pictures, frame);
}

}  // namespace klumpix
