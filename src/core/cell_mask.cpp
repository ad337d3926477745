#include "core/cell_mask.h"

#include <algorithm>
#include <bit>

namespace klumpix {

bool CellMask::WholeCells(Rect area, int& first_band, int& last_band, Cells& columns) {
  const int first_column = (area.left + kCellWidth - 1) / kCellWidth;
  const int past_column = area.right / kCellWidth;
  first_band = (area.top + kCellHeight - 1) / kCellHeight;
  last_band = area.bottom / kCellHeight - 1;
  if (first_column >= past_column || first_band > last_band) return false;
  columns = Columns(first_column, past_column - 1);
  return true;
}

void CellMask::Clear() {
  std::fill(std::begin(rows_), std::end(rows_), Cells{});
  bands_ = 0;
}

CellMask CellMask::Both(const CellMask& other) const {
  CellMask both;
  for (int band = 0; band < kBands; ++band) both.MarkBand(band, rows_[band].And(other.rows_[band]));
  return both;
}

CellMask CellMask::Without(const CellMask& other) const {
  CellMask rest;
  for (int band = 0; band < kBands; ++band) {
    rest.MarkBand(band, rows_[band].Without(other.rows_[band]));
  }
  return rest;
}

int CellMask::Count() const {
  int count = 0;
  for (const Cells& row : rows_) count += std::popcount(row.word[0]) + std::popcount(row.word[1]);
  return count;
}

void CellMask::Add(const CellMask& other) {
  for (int band = 0; band < kBands; ++band) MarkBand(band, other.rows_[band]);
}

void CellMask::Mark(Rect area, const Cells* hidden) {
  const Cells columns = ColumnsOf(area);
  for (int band = area.top / kCellHeight; band <= (area.bottom - 1) / kCellHeight; ++band) {
    MarkBand(band, hidden != nullptr ? columns.Without(hidden[band]) : columns);
  }
}

}  // namespace klumpix
