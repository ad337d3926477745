#include "core/retained_picture.h"

#include <algorithm>
#include <bit>

namespace klumpix {

namespace {

constexpr bool Empty(Rect r) {
  return r.right <= r.left || r.bottom <= r.top;
}

constexpr int kWordBits = 64;

// The bits of one word from `first` to `last`, both included, clipped to it.
std::uint64_t WordSpan(int first, int last) {
  first = std::max(first, 0);
  if (last < first || first >= kWordBits) return 0;
  const std::uint64_t to_last =
      last >= kWordBits - 1 ? ~std::uint64_t{0} : (std::uint64_t{2} << last) - 1;
  return to_last & ~((std::uint64_t{1} << first) - 1);
}

// The first cell at or after `from` whose bit is `set`; 128 when none is.
template <typename CellsT>
int Next(const CellsT& cells, int from, bool set) {
  for (int w = from / kWordBits; w < 2; ++w) {
    std::uint64_t bits = set ? cells.word[w] : ~cells.word[w];
    if (w == from / kWordBits) bits &= ~std::uint64_t{0} << (from % kWordBits);
    if (bits != 0) return w * kWordBits + std::countr_zero(bits);
  }
  return 2 * kWordBits;
}

}  // namespace

RetainedPicture::RetainedPicture() {
  std::fill(std::begin(position_), std::end(position_), std::int16_t{-1});
}

// Whether the copy leaves nothing of what lies under it. Only large keyed
// copies are looked at, pixel by pixel, once when they first appear.
bool RetainedPicture::Opaque(const Op& op) {
  if (op.kind == Kind::kFill || op.kind == Kind::kCopy) return true;
  if (op.kind != Kind::kKeyed || (op.right - op.left) * (op.bottom - op.top) < kCoverArea) {
    return false;
  }
  const Picture& pic = *op.sheet;
  for (int row = op.src_top; row < op.src_top + op.bottom - op.top; ++row) {
    const std::uint16_t* first =
        &pic.pixels[static_cast<std::size_t>(row) * pic.width + op.src_left];
    const std::uint16_t* past = first + (op.right - op.left);
    if (std::find(first, past, pic.key) != past) return false;
  }
  return true;
}

RetainedPicture::Cells RetainedPicture::Columns(int first, int last) {
  return Cells{{WordSpan(first, last), WordSpan(first - kWordBits, last - kWordBits)}};
}

void RetainedPicture::MarkCells(int band, Cells cells) {
  marked_[band].word[0] |= cells.word[0];
  marked_[band].word[1] |= cells.word[1];
  if ((cells.word[0] | cells.word[1]) != 0) marked_bands_ |= std::uint64_t{1} << band;
}

std::uint64_t RetainedPicture::Bands(const Op& op) {
  return WordSpan(op.top / kCellHeight, (op.bottom - 1) / kCellHeight);
}

void RetainedPicture::Begin() {
  counts_[now_] = 0;
}

void RetainedPicture::Push(const Op& op) {
  // Every maker draws at most once a picture, so the list cannot overflow.
  if (counts_[now_] < kMaxDrawOps && op.who >= 0 && op.who < kMaxDrawOps) {
    lists_[now_][counts_[now_]++] = op;
  }
}

void RetainedPicture::Fill(Rect area, std::uint16_t colour, int who) {
  if (Empty(area)) return;
  Push(Op{nullptr, 0, 0, static_cast<std::int16_t>(area.left), static_cast<std::int16_t>(area.top),
          static_cast<std::int16_t>(area.right), static_cast<std::int16_t>(area.bottom), colour,
          Kind::kFill, static_cast<std::int16_t>(who)});
}

void RetainedPicture::Copy(int x, int y, const Picture& pic, Rect src, bool keyed, int who) {
  if (!ClipToScreen(x, y, pic, src)) return;
  Push(Op{&pic, static_cast<std::int16_t>(src.left), static_cast<std::int16_t>(src.top),
          static_cast<std::int16_t>(x), static_cast<std::int16_t>(y),
          static_cast<std::int16_t>(x + src.right - src.left),
          static_cast<std::int16_t>(y + src.bottom - src.top), 0,
          keyed ? Kind::kKeyed : Kind::kCopy, static_cast<std::int16_t>(who)});
}

void RetainedPicture::Add(int x, int y, const Picture& pic, Rect src, int strength, int who) {
  if (strength <= 0 || !ClipToScreen(x, y, pic, src)) return;
  Push(Op{&pic, static_cast<std::int16_t>(src.left), static_cast<std::int16_t>(src.top),
          static_cast<std::int16_t>(x), static_cast<std::int16_t>(y),
          static_cast<std::int16_t>(x + src.right - src.left),
          static_cast<std::int16_t>(y + src.bottom - src.top),
          static_cast<std::uint16_t>(std::min(strength, 255)), Kind::kAdd,
          static_cast<std::int16_t>(who)});
}

void RetainedPicture::PaintedOver(Rect area) {
  area.left = std::max(area.left, 0);
  area.top = std::max(area.top, 0);
  area.right = std::min(area.right, kScreenWidth);
  area.bottom = std::min(area.bottom, kScreenHeight);
  if (Empty(area)) return;
  const Cells columns = Columns(area.left / kCellWidth, (area.right - 1) / kCellWidth);
  for (int band = area.top / kCellHeight; band <= (area.bottom - 1) / kCellHeight; ++band) {
    MarkCells(band, columns);
  }
}

// Finds each copy of the new list in the old one: the same maker, drawing the
// same pixels the same way. Every other copy's area may change.
void RetainedPicture::Match() {
  const Op* now = lists_[now_];
  const Op* was = lists_[1 - now_];
  const bool* was_opaque = opaque_[1 - now_];
  bool* now_opaque = opaque_[now_];
  std::fill(now_of_was_, now_of_was_ + counts_[1 - now_], std::int16_t{-1});
  int common = 0;
  bool in_order = true;
  for (int i = 0; i < counts_[now_]; ++i) {
    const int j = valid_ ? position_[now[i].who] : -1;
    if (j >= 0 && now_of_was_[j] < 0 && was[j] == now[i]) {
      now_of_was_[j] = static_cast<std::int16_t>(i);
      was_of_now_[i] = static_cast<std::int16_t>(j);
      now_opaque[i] = was_opaque[j];
      in_order = in_order && (common == 0 || common_was_[common - 1] < j);
      common_now_[common] = static_cast<std::int16_t>(i);
      common_was_[common] = static_cast<std::int16_t>(j);
      ++common;
    } else {
      was_of_now_[i] = -1;
      now_opaque[i] = Opaque(now[i]);
    }
  }
  FindStable(common, in_order);
}

// A copy found in both lists is stable when it keeps its order among the
// others found: those in the longest run still in the old order. Of two that
// changed places one is not stable, and its area is marked.
void RetainedPicture::FindStable(int common, bool in_order) {
  for (int i = 0; i < counts_[now_]; ++i) stable_[i] = was_of_now_[i] >= 0;
  if (in_order) return;
  int length = 0;
  for (int k = 0; k < common; ++k) {
    int low = 0;
    int high = length;
    while (low < high) {
      const int mid = (low + high) / 2;
      if (common_was_[run_end_[mid]] < common_was_[k]) {
        low = mid + 1;
      } else {
        high = mid;
      }
    }
    run_before_[k] = static_cast<std::int16_t>(low > 0 ? run_end_[low - 1] : -1);
    run_end_[low] = static_cast<std::int16_t>(k);
    if (low == length) ++length;
  }
  for (int k = 0; k < common; ++k) stable_[common_now_[k]] = false;
  for (int k = length > 0 ? run_end_[length - 1] : -1; k >= 0; k = run_before_[k]) {
    stable_[common_now_[k]] = true;
  }
}

// The large opaque stable copies. Whatever either list draws before one of
// them, where it covers whole cells, is hidden in both pictures.
void RetainedPicture::FindCovers() {
  const Op* now = lists_[now_];
  cover_count_ = 0;
  for (int i = 0; i < counts_[now_] && cover_count_ < kMaxCovers; ++i) {
    const Op& op = now[i];
    if (!stable_[i] || !opaque_[now_][i] ||
        (op.right - op.left) * (op.bottom - op.top) < kCoverArea) {
      continue;
    }
    const int first_column = (op.left + kCellWidth - 1) / kCellWidth;
    const int past_column = op.right / kCellWidth;
    const int first_band = (op.top + kCellHeight - 1) / kCellHeight;
    const int past_band = op.bottom / kCellHeight;
    if (first_column >= past_column || first_band >= past_band) continue;
    covers_[cover_count_++] =
        Cover{i, was_of_now_[i], first_band, past_band - 1, Columns(first_column, past_column - 1)};
  }  // hidden_[c] is what covers c and after hide, band by band.
  std::fill(std::begin(hidden_[cover_count_]), std::end(hidden_[cover_count_]), Cells{});
  for (int c = cover_count_ - 1; c >= 0; --c) {
    const Cover& cover = covers_[c];
    std::copy(std::begin(hidden_[c + 1]), std::end(hidden_[c + 1]), hidden_[c]);
    for (int band = cover.first_band; band <= cover.last_band; ++band) {
      hidden_[c][band].word[0] |= cover.columns.word[0];
      hidden_[c][band].word[1] |= cover.columns.word[1];
    }
  }
}

// Marks the cells of the copy's area, except those a cover drawn after it in
// the same list hides.
void RetainedPicture::MarkUncovered(const Op& op, int position, bool in_now) {
  // The covers keep their order in both lists, so those after the copy are
  // the last ones.
  int after = 0;
  while (after < cover_count_ &&
         (in_now ? covers_[after].now_position : covers_[after].was_position) <= position) {
    ++after;
  }
  const Cells* hidden = hidden_[after];
  const Cells columns = Columns(op.left / kCellWidth, (op.right - 1) / kCellWidth);
  for (int band = op.top / kCellHeight; band <= (op.bottom - 1) / kCellHeight; ++band) {
    MarkCells(band, Cells{{columns.word[0] & ~hidden[band].word[0],
                           columns.word[1] & ~hidden[band].word[1]}});
  }
}

void RetainedPicture::Paint(Surface& screen) {
  const Op* now = lists_[now_];
  const int now_count = counts_[now_];
  const Op* was = lists_[1 - now_];
  const int was_count = counts_[1 - now_];
  Match();
  if (valid_) {
    FindCovers();
    for (int i = 0; i < now_count; ++i) {
      if (!stable_[i]) MarkUncovered(now[i], i, true);
    }
    for (int j = 0; j < was_count; ++j) {
      if (now_of_was_[j] < 0 || !stable_[now_of_was_[j]]) MarkUncovered(was[j], j, false);
    }
    for (int i = 0; i < now_count; ++i) PaintMarked(screen, now[i]);
  } else {
    for (int i = 0; i < now_count; ++i) {
      PaintClipped(screen, now[i], Rect{now[i].left, now[i].top, now[i].right, now[i].bottom});
    }
  }
  for (int j = 0; j < was_count; ++j) position_[was[j].who] = -1;
  for (int i = 0; i < now_count; ++i) position_[now[i].who] = static_cast<std::int16_t>(i);
  std::fill(std::begin(marked_), std::end(marked_), Cells{});
  marked_bands_ = 0;
  valid_ = true;
  now_ = 1 - now_;
}

// Paints the copy where it lies on marked cells, bands with the same marked
// columns under it at once, each run of marked columns as one rectangle.
void RetainedPicture::PaintMarked(Surface& screen, const Op& op) const {
  if ((marked_bands_ & Bands(op)) == 0) return;
  const Cells columns = Columns(op.left / kCellWidth, (op.right - 1) / kCellWidth);
  const auto under = [&](int band) {
    return Cells{
        {marked_[band].word[0] & columns.word[0], marked_[band].word[1] & columns.word[1]}};
  };
  const int last_band = (op.bottom - 1) / kCellHeight;
  for (int band = op.top / kCellHeight; band <= last_band;) {
    const Cells here = under(band);
    int end = band + 1;
    while (end <= last_band && under(end) == here) ++end;
    const int top = std::max<int>(op.top, band * kCellHeight);
    const int bottom = std::min<int>(op.bottom, end * kCellHeight);
    for (int first = Next(here, 0, true); first < 2 * kWordBits;) {
      const int past = Next(here, first, false);
      const int left = std::max<int>(op.left, first * kCellWidth);
      const int right = std::min<int>(op.right, past * kCellWidth);
      PaintClipped(screen, op, Rect{left, top, right, bottom});
      first = past < 2 * kWordBits ? Next(here, past, true) : past;
    }
    band = end;
  }
}

void RetainedPicture::PaintClipped(Surface& screen, const Op& op, Rect clip) const {
  if (op.kind == Kind::kFill) {
    FillRect(screen, clip, op.value);
    return;
  }
  const int src_left = op.src_left + clip.left - op.left;
  const int src_top = op.src_top + clip.top - op.top;
  const Rect src{src_left, src_top, src_left + clip.right - clip.left,
                 src_top + clip.bottom - clip.top};
  if (op.kind == Kind::kAdd) {
    AddRect(screen, clip.left, clip.top, *op.sheet, src, true, op.value);
  } else {
    CopyRect(screen, clip.left, clip.top, *op.sheet, src, op.kind == Kind::kKeyed);
  }
}

}  // namespace klumpix
