#include "core/cell_mask.h"

#include <algorithm>
#include <bit>

namespace klumpix {

namespace {

constexpr int kWordBits = 64;

// The bits of one word from `first` to `last`, both included, clipped to it.
std::uint64_t WordSpan(int first, int last) {
  first = std::max(first, 0);
  if (last < first || first >= kWordBits) return 0;
  const std::uint64_t to_last =
      last >= kWordBits - 1 ? ~std::uint64_t{0} : (std::uint64_t{2} << last) - 1;
  return to_last & ~((std::uint64_t{1} << first) - 1);
}

}  // namespace

Cells CellMask::Columns(int first, int last) {
  return Cells{{WordSpan(first, last), WordSpan(first - kWordBits, last - kWordBits)}};
}

std::uint64_t CellMask::BandBits(Rect area) {
  return WordSpan(area.top / kCellHeight, (area.bottom - 1) / kCellHeight);
}

bool CellMask::WholeCells(Rect area, int& first_band, int& last_band, Cells& columns) {
  const int first_column = (area.left + kCellWidth - 1) / kCellWidth;
  const int past_column = area.right / kCellWidth;
  first_band = (area.top + kCellHeight - 1) / kCellHeight;
  last_band = area.bottom / kCellHeight - 1;
  if (first_column >= past_column || first_band > last_band) return false;
  columns = Columns(first_column, past_column - 1);
  return true;
}

int CellMask::Next(const Cells& cells, int from, bool set) {
  for (int w = from / kWordBits; w < 2; ++w) {
    std::uint64_t bits = set ? cells.word[w] : ~cells.word[w];
    if (w == from / kWordBits) bits &= ~std::uint64_t{0} << (from % kWordBits);
    if (bits != 0) return w * kWordBits + std::countr_zero(bits);
  }
  return kMaxColumns;
}

void CellMask::Clear() {
  std::fill(std::begin(rows_), std::end(rows_), Cells{});
  bands_ = 0;
}

void CellMask::Mark(Rect area, const Cells* hidden) {
  const Cells columns = ColumnsOf(area);
  for (int band = area.top / kCellHeight; band <= (area.bottom - 1) / kCellHeight; ++band) {
    const Cells cells = hidden != nullptr ? columns.Without(hidden[band]) : columns;
    if (!cells.Any()) continue;
    rows_[band].Add(cells);
    bands_ |= std::uint64_t{1} << band;
  }
}

}  // namespace klumpix
