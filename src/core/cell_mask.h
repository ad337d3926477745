#pragma once
// The screen in cells of 10 x 10 pixels (the floor tiles' grid), one bit a
// cell: which parts of a picture are to be painted again.
#include <array>
#include <bit>
#include <cstdint>

#include "core/surface.h"

namespace klumpix {

// One band of 80 cells, in two words.
struct Cells {
  std::uint64_t word[2];
  bool operator==(const Cells&) const = default;
  bool Any() const { return (word[0] | word[1]) != 0; }
  Cells Without(const Cells& other) const {
    return Cells{{word[0] & ~other.word[0], word[1] & ~other.word[1]}};
  }
  Cells And(const Cells& other) const {
    return Cells{{word[0] & other.word[0], word[1] & other.word[1]}};
  }
  void Add(const Cells& other) {
    word[0] |= other.word[0];
    word[1] |= other.word[1];
  }
};

// The cells from column c on, for each c from 0 to 128.
inline constexpr auto kCellsFrom = [] {
  std::array<Cells, 129> from{};
  for (int c = 0; c < 128; ++c) {
    from[c].word[0] = c < 64 ? ~std::uint64_t{0} << c : 0;
    from[c].word[1] = c < 64 ? ~std::uint64_t{0} : ~std::uint64_t{0} << (c - 64);
  }
  return from;
}();

class CellMask {
 public:
  static constexpr int kCellWidth = 10;
  static constexpr int kCellHeight = 10;
  static constexpr int kBands = (kScreenHeight + kCellHeight - 1) / kCellHeight;
  static_assert((kScreenWidth + kCellWidth - 1) / kCellWidth <= 128 && kBands <= 64);

  // The cells from column `first` to column `last`, both included; columns
  // of the screen only.
  static Cells Columns(int first, int last) {
    if (last < first) return Cells{};
    return kCellsFrom[first].Without(kCellsFrom[last + 1]);
  }
  // The cells `area` (on the screen) touches in one band.
  static Cells ColumnsOf(Rect area) {
    return Columns(area.left / kCellWidth, (area.right - 1) / kCellWidth);
  }
  // The bands and columns of the cells `area` covers whole; false if none.
  static bool WholeCells(Rect area, int& first_band, int& last_band, Cells& columns);

  void Clear();
  // The cells marked here and in `other`; here and not in `other`.
  CellMask Both(const CellMask& other) const;
  CellMask Without(const CellMask& other) const;
  void MarkAll() { Mark(kWholeScreen, nullptr); }
  // Marks the cells marked in `other` as well.
  void Add(const CellMask& other);
  // Marks the cells `area` touches, but in each band none of `hidden[band]`.
  void Mark(Rect area, const Cells* hidden);
  void MarkBand(int band, const Cells& cells) {
    if (!cells.Any()) return;
    rows_[band].Add(cells);
    bands_ |= std::uint64_t{1} << band;
  }
  bool AnyMarked() const { return bands_ != 0; }
  int Count() const;

  // Calls paint(Rect) for the marked cells under `area`, clipped to it: one
  // rectangle for each run of marked columns, over bands that mark the same.
  template <typename Paint>
  void ForEachIn(Rect area, Paint paint) const {
    if ((bands_ & BandBits(area)) == 0) return;
    const Cells columns = ColumnsOf(area);
    const int last_band = (area.bottom - 1) / kCellHeight;
    for (int band = area.top / kCellHeight; band <= last_band; ++band) {
      const Cells here = rows_[band].And(columns);
      if (!here.Any()) continue;
      int end = band + 1;
      while (end <= last_band && rows_[end].And(columns) == here) ++end;
      const int top = band * kCellHeight > area.top ? band * kCellHeight : area.top;
      const int bottom = end * kCellHeight < area.bottom ? end * kCellHeight : area.bottom;
      for (int first = Next(here, 0, true); first < kMaxColumns;) {
        const int past = Next(here, first, false);
        const int left = first * kCellWidth > area.left ? first * kCellWidth : area.left;
        const int right = past * kCellWidth < area.right ? past * kCellWidth : area.right;
        paint(Rect{left, top, right, bottom});
        first = past < kMaxColumns ? Next(here, past, true) : past;
      }
      band = end - 1;
    }
  }

 private:
  static constexpr int kWordBits = 64;
  static constexpr int kMaxColumns = 2 * kWordBits;

  // The bands `area` (on the screen) touches.
  static std::uint64_t BandBits(Rect area) {
    const int first = area.top / kCellHeight;
    const int last = (area.bottom - 1) / kCellHeight;
    return ((std::uint64_t{2} << last) - 1) & ~((std::uint64_t{1} << first) - 1);
  }
  // The first cell at or after `from` whose bit is `set`; kMaxColumns if none.
  static int Next(const Cells& cells, int from, bool set) {
    for (int w = from / kWordBits; w < 2; ++w) {
      std::uint64_t bits = set ? cells.word[w] : ~cells.word[w];
      if (w == from / kWordBits) bits &= ~std::uint64_t{0} << (from % kWordBits);
      if (bits != 0) return w * kWordBits + std::countr_zero(bits);
    }
    return kMaxColumns;
  }

  Cells rows_[kBands] = {};
  std::uint64_t bands_ = 0;  // the bands with a marked cell
};

}  // namespace klumpix
