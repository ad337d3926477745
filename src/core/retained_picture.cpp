#include "core/retained_picture.h"

#include <algorithm>

namespace klumpix {

namespace {

constexpr bool Empty(Rect r) {
  return r.right <= r.left || r.bottom <= r.top;
}

}  // namespace

RetainedPicture::RetainedPicture() {
  std::fill(std::begin(position_), std::end(position_), std::int16_t{-1});
  changed_.MarkAll();  // nothing has been shown yet
}

void RetainedPicture::Begin() {
  counts_[now_] = 0;
  grids_[now_] = Grid{};
  layer_ = Layer::kFloor;
  std::fill(std::begin(starts_[now_]), std::end(starts_[now_]), 0);
}

void RetainedPicture::Over(Layer layer) {
  // The layers come in their order; each starts where the one below ended.
  for (int l = static_cast<int>(layer_) + 1; l <= static_cast<int>(layer); ++l) {
    starts_[now_][l] = counts_[now_];
  }
  if (layer > layer_) layer_ = layer;
}

inline void RetainedPicture::Push(const Picture* sheet, int src_left, int src_top, Rect area,
                                  std::uint16_t value, Kind kind, int who) {
  // Every maker draws at most once a picture, so the list cannot overflow.
  int& count = counts_[now_];
  if (count >= kMaxDrawOps || who < 0 || who >= kMaxDrawOps) return;
  // Written field by field where it stays: building it aside and copying it
  // whole would read back what was just written.
  Op& op = lists_[now_][count++];
  op.sheet = sheet;
  op.src_left = static_cast<std::int16_t>(src_left);
  op.src_top = static_cast<std::int16_t>(src_top);
  op.left = static_cast<std::int16_t>(area.left);
  op.top = static_cast<std::int16_t>(area.top);
  op.right = static_cast<std::int16_t>(area.right);
  op.bottom = static_cast<std::int16_t>(area.bottom);
  op.value = value;
  op.kind = kind;
  op.layer = layer_;
  op.who = static_cast<std::int16_t>(who);
  std::fill(std::begin(op.unused), std::end(op.unused), std::uint8_t{0});
}

void RetainedPicture::Fill(Rect area, std::uint16_t colour, int who) {
  if (Empty(area)) return;
  Push(nullptr, 0, 0, area, colour, Kind::kFill, who);
}

void RetainedPicture::Copy(int x, int y, const Picture& pic, Rect src, bool keyed, int who) {
  if (!ClipToScreen(x, y, pic, src)) return;
  Push(&pic, src.left, src.top, Rect{x, y, x + src.right - src.left, y + src.bottom - src.top}, 0,
       keyed ? Kind::kKeyed : Kind::kCopy, who);
}

void RetainedPicture::Add(int x, int y, const Picture& pic, Rect src, int strength, int who) {
  if (strength <= 0 || !ClipToScreen(x, y, pic, src)) return;
  Push(&pic, src.left, src.top, Rect{x, y, x + src.right - src.left, y + src.bottom - src.top},
       static_cast<std::uint16_t>(std::min(strength, 255)), Kind::kAdd, who);
}

bool RetainedPicture::Tiles(const Picture& sheet, Rect area, int size) {
  Grid& grid = grids_[now_];
  grid = Grid{};
  if (size <= 0 || sheet.width < size || sheet.height < size || Empty(area) || area.left < 0 ||
      area.top < 0 || area.right > kScreenWidth || area.bottom > kScreenHeight ||
      (area.right - area.left) % size != 0 || (area.bottom - area.top) % size != 0) {
    return false;
  }
  const int columns = (area.right - area.left) / size;
  const int rows = (area.bottom - area.top) / size;
  if (columns * rows > kMaxTiles) return false;
  // Sources are kept in sixteen bits each.
  grid = Grid{&sheet,
              area,
              size,
              columns,
              rows,
              static_cast<unsigned>(std::min(sheet.width - size, 0xFFFF)),
              static_cast<unsigned>(std::min(sheet.height - size, 0xFFFF))};
  std::fill_n(tiles_[now_], columns * rows, 0u);
  return true;
}

bool RetainedPicture::SameGrid(const Grid& a, const Grid& b) {
  return a.sheet == b.sheet && a.area.left == b.area.left && a.area.top == b.area.top &&
         a.area.right == b.area.right && a.area.bottom == b.area.bottom && a.size == b.size;
}

void RetainedPicture::PaintedOver(Rect area) {
  area.left = std::max(area.left, 0);
  area.top = std::max(area.top, 0);
  area.right = std::min(area.right, kScreenWidth);
  area.bottom = std::min(area.bottom, kScreenHeight);
  if (Empty(area)) return;
  screen_marks_.Mark(area, nullptr);
  changed_.Mark(area, nullptr);
}

// Whether the copy leaves nothing of what lies under it.
bool RetainedPicture::Opaque(const Op& op) {
  if (op.kind == Kind::kFill || op.kind == Kind::kCopy) return true;
  if (op.kind != Kind::kKeyed) return false;
  return !HasKey(*op.sheet, Rect{op.src_left, op.src_top, op.src_left + op.right - op.left,
                                 op.src_top + op.bottom - op.top});
}

// Finds each copy of the new list in the old one: the same maker, drawing the
// same pixels the same way. Every other copy's area may change.
void RetainedPicture::Match() {
  const Op* now = lists_[now_];
  const Op* was = lists_[1 - now_];
  const Opacity* was_opaque = opaque_[1 - now_];
  Opacity* now_opaque = opaque_[now_];
  std::fill(now_of_was_, now_of_was_ + counts_[1 - now_], std::int16_t{-1});
  int common = 0;
  bool in_order = true;
  for (int i = 0; i < counts_[now_]; ++i) {
    // A position left from an older list names another maker's copy, or none.
    const int j = valid_ ? position_[now[i].who] : -1;
    const bool found =
        j >= 0 && j < counts_[1 - now_] && now_of_was_[j] < 0 && Same(was[j], now[i]);
    stable_[i] = found;
    passed_apart_[i] = false;
    if (found) {
      now_of_was_[j] = static_cast<std::int16_t>(i);
      was_of_now_[i] = static_cast<std::int16_t>(j);
      now_opaque[i] = was_opaque[j];
      in_order = in_order && (common == 0 || common_was_[common - 1] < j);
      common_now_[common] = static_cast<std::int16_t>(i);
      common_was_[common] = static_cast<std::int16_t>(j);
      ++common;
    } else {
      was_of_now_[i] = -1;
      now_opaque[i] = Opacity::kUnknown;
    }
  }
  FindStable(common, in_order);
}

// A copy found in both lists (stable so far) stays stable when it keeps its
// order among the others found: those in the run still in the old order that
// covers the most pixels. Of two that changed places one is not stable, and
// its area is marked: the smaller one, so that a panel swapped with a stone
// costs the stone's area.
void RetainedPicture::FindStable(int common, bool in_order) {
  if (in_order) return;
  // A copy found after every smaller old position and before every larger
  // one stays in order with all others; the run is sought among the rest
  // only (they are the few that moved, and those around them).
  for (int k = common - 1, smallest = kMaxDrawOps; k >= 0; --k) {
    run_before_[k] = static_cast<std::int16_t>(smallest);  // the least old position after k
    smallest = std::min<int>(smallest, common_was_[k]);
  }
  int rest = 0;
  for (int k = 0, largest = -1; k < common; ++k) {
    const int at = common_was_[k];
    if (!(at > largest && at < run_before_[k])) common_now_[rest++] = common_now_[k];
    largest = std::max(largest, at);
  }
  // common_now_[0..rest) are the copies out of place. The heaviest run ending
  // at each, found through a tree of prefix maxima over the old positions.
  const Op* now = lists_[now_];
  std::int64_t best = 0;
  int best_end = -1;
  for (int k = 0; k < rest; ++k) {
    const int at = was_of_now_[common_now_[k]];
    std::int64_t before = 0;
    int from = -1;
    for (int node = at; node > 0; node &= node - 1) {  // old positions below `at`
      if (run_weight_[node] > before) {
        before = run_weight_[node];
        from = run_from_[node];
      }
    }
    const Op& op = now[common_now_[k]];
    const std::int64_t weight = before + 1 + (op.right - op.left) * (op.bottom - op.top);
    run_before_[k] = static_cast<std::int16_t>(from);
    for (int node = at + 1; node <= kMaxDrawOps; node += node & -node) {
      if (weight > run_weight_[node]) {
        run_weight_[node] = weight;
        run_from_[node] = static_cast<std::int16_t>(k);
      }
    }
    if (weight > best) {
      best = weight;
      best_end = k;
    }
  }
  for (int k = 0; k < rest; ++k) {
    stable_[common_now_[k]] = false;
    const int at = was_of_now_[common_now_[k]];
    for (int node = at + 1; node <= kMaxDrawOps && run_weight_[node] != 0; node += node & -node) {
      run_weight_[node] = 0;
    }
  }
  for (int k = best_end; k >= 0; k = run_before_[k]) stable_[common_now_[k]] = true;
  // One out of the run that overlaps none of those it changed places with
  // paints the same pixels as before: the panels about the board pass a
  // stone that changed depth without touching it.
  int left_out = 0;
  for (int k = 0; k < rest; ++k) left_out += !stable_[common_now_[k]];
  if (left_out > kMaxPassedApart) return;
  for (int k = 0; k < rest; ++k) {
    const int i = common_now_[k];
    if (!stable_[i] && PassedApart(i, rest)) {
      stable_[i] = true;
      passed_apart_[i] = true;
    }
  }
}

// Whether every copy found in both lists that changed places with copy i
// lies apart from it. Such a copy is out of place too: one of the first
// `rest` in common_now_.
bool RetainedPicture::PassedApart(int i, int rest) const {
  const Op* now = lists_[now_];
  const Op& op = now[i];
  for (int k = 0; k < rest; ++k) {
    const int d = common_now_[k];
    if (d == i || now[d].layer != op.layer) continue;
    if ((d < i) == (was_of_now_[d] < was_of_now_[i])) continue;
    const Op& other = now[d];
    if (other.left < op.right && op.left < other.right && other.top < op.bottom &&
        op.top < other.bottom) {
      return false;
    }
  }
  return true;
}

// The large opaque stable copies of the object layer. Whatever either list
// draws before one of them, where it covers whole cells, is hidden in both
// pictures.
void RetainedPicture::FindCovers() {
  const Op* now = lists_[now_];
  cover_count_ = 0;
  const int objects_end = starts_[now_][static_cast<int>(Layer::kObjects) + 1];
  for (int i = starts_[now_][static_cast<int>(Layer::kObjects)];
       i < objects_end && cover_count_ < kMaxCovers; ++i) {
    const Op& op = now[i];
    Cover cover{i, was_of_now_[i], 0, 0, Cells{}};
    // A cover must keep its place among all copies: those after it in one
    // list are after it in the other.
    if (!stable_[i] || passed_apart_[i] ||
        (op.right - op.left) * (op.bottom - op.top) < kCoverArea) {
      continue;
    }
    // Looked at once, when the copy is first stable; known from then on.
    Opacity& opaque = opaque_[now_][i];
    if (opaque == Opacity::kUnknown) opaque = Opaque(op) ? Opacity::kOpaque : Opacity::kSeeThrough;
    if (opaque == Opacity::kOpaque &&
        CellMask::WholeCells(op.Area(), cover.first_band, cover.last_band, cover.columns)) {
      covers_[cover_count_++] = cover;
    }
  }
  // hidden_[c] is what covers c and after hide, band by band.
  std::fill(std::begin(hidden_[cover_count_]), std::end(hidden_[cover_count_]), Cells{});
  for (int c = cover_count_ - 1; c >= 0; --c) {
    const Cover& cover = covers_[c];
    std::copy(std::begin(hidden_[c + 1]), std::end(hidden_[c + 1]), hidden_[c]);
    for (int band = cover.first_band; band <= cover.last_band; ++band) {
      hidden_[c][band].Add(cover.columns);
    }
  }
}

// Marks where a copy that is new, gone or moved in the order may change the
// picture: its layer's cells and the screen's, except where a cover drawn
// after it in the same list hides it. The floor layer keeps even its hidden
// cells up to date, for when the cover goes.
void RetainedPicture::MarkChanged(const Op& op, int position, bool in_now) {
  // The covers keep their order in both lists, so those after the copy are
  // the last ones.
  int after = 0;
  while (after < cover_count_ &&
         (in_now ? covers_[after].now_position : covers_[after].was_position) <= position) {
    ++after;
  }
  const Cells* hidden = hidden_[after];
  const Cells columns = CellMask::ColumnsOf(op.Area());
  const int last_band = (op.bottom - 1) / CellMask::kCellHeight;
  for (int band = op.top / CellMask::kCellHeight; band <= last_band; ++band) {
    const Cells shown = columns.Without(hidden[band]);
    if (op.layer == Layer::kFloor) floor_marks_.MarkBand(band, columns);
    if (op.layer == Layer::kObjects) object_marks_.MarkBand(band, shown);
    screen_marks_.MarkBand(band, shown);
  }
}

// Marks the screen where the grid shows another square than before, except
// where a cover hides it: every cover lies over the floor. The floor layer
// under the grid is kept by its own copies, grid or not.
void RetainedPicture::MarkTiles() {
  const Grid& grid = grids_[now_];
  const Grid& shown = grids_[1 - now_];
  if (!SameGrid(grid, shown)) {
    if (shown.sheet != nullptr) screen_marks_.Mark(shown.area, nullptr);
    if (grid.sheet != nullptr) screen_marks_.Mark(grid.area, nullptr);
    return;
  }
  if (grid.sheet == nullptr) return;
  const std::uint32_t* now = tiles_[now_];
  const std::uint32_t* was = tiles_[1 - now_];
  for (int row = 0; row < grid.rows; ++row) {
    Cells changed{};
    for (int column = 0; column < grid.columns; ++column) {
      const int t = row * grid.columns + column;
      if (now[t] == was[t]) continue;
      const int left = grid.area.left + column * grid.size;
      changed.Add(CellMask::ColumnsOf(Rect{left, 0, left + grid.size, 1}));
    }
    if (!changed.Any()) continue;
    const int top = grid.area.top + row * grid.size;
    const int last_band = (top + grid.size - 1) / CellMask::kCellHeight;
    for (int band = top / CellMask::kCellHeight; band <= last_band; ++band) {
      screen_marks_.MarkBand(band, changed.Without(hidden_[0][band]));
    }
  }
}

void RetainedPicture::Paint(Surface& screen) {
  Over(Layer::kText);
  starts_[now_][kLayers] = counts_[now_];
  Match();
  // From here on each maker's position is the one in the new list.
  for (int i = 0; i < counts_[now_]; ++i) {
    position_[lists_[now_][i].who] = static_cast<std::int16_t>(i);
  }
  if (valid_) {
    FindCovers();
    const Op* now = lists_[now_];
    const Op* was = lists_[1 - now_];
    for (int i = 0; i < counts_[now_]; ++i) {
      if (!stable_[i]) MarkChanged(now[i], i, true);
    }
    for (int j = 0; j < counts_[1 - now_]; ++j) {
      if (now_of_was_[j] < 0 || !stable_[now_of_was_[j]]) MarkChanged(was[j], j, false);
    }
    MarkTiles();
  } else {
    floor_marks_.MarkAll();
    object_marks_.MarkAll();
    screen_marks_.MarkAll();
  }
  // Where most of the objects changed (a shaking board moves them all), the
  // picture is painted straight onto the screen, layer over layer: keeping
  // the object layer as well would cost as much again. The next picture that
  // keeps its layers builds the object layer anew.
  constexpr int kCells = CellMask::kBands * (kScreenWidth / CellMask::kCellWidth);
  if (object_marks_.Count() * 2 > kCells) {
    PaintStraight(screen);
    objects_stale_ = true;
    changed_.MarkAll();
  } else {
    if (objects_stale_) object_marks_.MarkAll();
    objects_stale_ = false;
    PaintLayers(screen);
    changed_.Add(screen_marks_);  // the layers reach the screen only there
  }
  floor_marks_.Clear();
  object_marks_.Clear();
  screen_marks_.Clear();
  valid_ = true;
  now_ = 1 - now_;
}

// The floor layer where it changed; the object layer where it changed, from
// nothing up; the two laid together on the screen where either changed or
// text was, and the text over them.
void RetainedPicture::PaintLayers(Surface& screen) {
  const Op* now = lists_[now_];
  const int* starts = starts_[now_];
  for (int i = starts[0]; i < starts[1]; ++i) {
    floor_marks_.ForEachIn(now[i].Area(), [&](Rect r) { PaintOp(floor_, now[i], r); });
  }
  object_marks_.ForEachIn(kWholeScreen, [&](Rect r) { FillCover(cover_, r, 0); });
  objects_present_ = objects_present_.Without(object_marks_);
  for (int i = starts[1]; i < starts[2]; ++i) {
    const Op& op = now[i];
    object_marks_.ForEachIn(op.Area(), [&](Rect r) {
      objects_present_.Mark(r, nullptr);
      if (op.kind == Kind::kFill) {
        FillRect(objects_, r, op.value);
        FillCover(cover_, r, 0xFF);
        return;
      }
      const int src_left = op.src_left + r.left - op.left;
      const int src_top = op.src_top + r.top - op.top;
      CopyRectCovering(
          objects_, cover_, r.left, r.top, *op.sheet,
          Rect{src_left, src_top, src_left + r.right - r.left, src_top + r.bottom - r.top},
          op.kind == Kind::kKeyed);
    });
  }
  screen_marks_.Both(objects_present_).ForEachIn(kWholeScreen, [&](Rect r) {
    LayTogether(screen, r, true);
  });
  screen_marks_.Without(objects_present_).ForEachIn(kWholeScreen, [&](Rect r) {
    LayTogether(screen, r, false);
  });
  for (int i = starts[2]; i < starts[3]; ++i) {
    screen_marks_.ForEachIn(now[i].Area(), [&](Rect r) { PaintOp(screen, now[i], r); });
  }
}

// The floor layer where it changed, and the whole picture on the screen:
// the floor, every object over it, the text over them.
void RetainedPicture::PaintStraight(Surface& screen) {
  const Op* now = lists_[now_];
  const int* starts = starts_[now_];
  for (int i = starts[0]; i < starts[1]; ++i) {
    floor_marks_.ForEachIn(now[i].Area(), [&](Rect r) { PaintOp(floor_, now[i], r); });
  }
  LayTogether(screen, kWholeScreen, false);
  for (int i = starts[1]; i < starts[3]; ++i) PaintOp(screen, now[i], now[i].Area());
}

// The objects over the floor layer, or over the grid where there is one;
// without `objects`, where the object layer holds none, the floor alone.
void RetainedPicture::LayTogether(Surface& screen, Rect area, bool objects) const {
  const auto lay_floor = [&](Rect part) {
    LayOver(screen, part, floor_.pixels + part.top * kScreenWidth + part.left, kScreenWidth,
            objects);
  };
  const Grid& grid = grids_[now_];
  const Rect inside{std::max(area.left, grid.area.left), std::max(area.top, grid.area.top),
                    std::min(area.right, grid.area.right), std::min(area.bottom, grid.area.bottom)};
  if (grid.sheet == nullptr || Empty(inside)) {
    lay_floor(area);
    return;
  }
  // Above the grid, below it, and to either side.
  const Rect around[4] = {{area.left, area.top, area.right, inside.top},
                          {area.left, inside.bottom, area.right, area.bottom},
                          {area.left, inside.top, inside.left, inside.bottom},
                          {inside.right, inside.top, area.right, inside.bottom}};
  for (const Rect& part : around) {
    if (!Empty(part)) lay_floor(part);
  }
  LayOverTiles(screen, inside, objects);
}

// `area` lies within the grid: square by square, the objects (if any) over
// the square's pixels on the sheet.
void RetainedPicture::LayOverTiles(Surface& screen, Rect area, bool objects) const {
  const Grid& grid = grids_[now_];
  const Picture& sheet = *grid.sheet;
  const int first_column = (area.left - grid.area.left) / grid.size;
  const int last_column = (area.right - 1 - grid.area.left) / grid.size;
  const int first_row = (area.top - grid.area.top) / grid.size;
  const int last_row = (area.bottom - 1 - grid.area.top) / grid.size;
  for (int row = first_row; row <= last_row; ++row) {
    const int tile_top = grid.area.top + row * grid.size;
    const int top = std::max(area.top, tile_top);
    const int bottom = std::min(area.bottom, tile_top + grid.size);
    const std::uint32_t* tiles = &tiles_[now_][row * grid.columns];
    for (int column = first_column; column <= last_column; ++column) {
      const int tile_left = grid.area.left + column * grid.size;
      const int left = std::max(area.left, tile_left);
      const Rect part{left, top, std::min(area.right, tile_left + grid.size), bottom};
      const std::uint32_t source = tiles[column];
      const std::size_t sheet_top = (source & 0xFFFFu) + (top - tile_top);
      const std::uint16_t* floor =
          &sheet.pixels[sheet_top * sheet.width + (source >> 16) + (left - tile_left)];
      LayOver(screen, part, floor, sheet.width, objects);
    }
  }
}

// `area` of the screen from the floor's pixels at `floor` (rows `stride`
// apart), with the objects over them if there are any.
void RetainedPicture::LayOver(Surface& screen, Rect area, const std::uint16_t* floor, int stride,
                              bool objects) const {
  if (objects) {
    CompositeFrom(screen, objects_, cover_, area, floor, stride);
  } else {
    CopyFrom(screen, area, floor, stride);
  }
}

void RetainedPicture::PaintOp(Surface& dst, const Op& op, Rect clip) {
  if (op.kind == Kind::kFill) {
    FillRect(dst, clip, op.value);
    return;
  }
  const int src_left = op.src_left + clip.left - op.left;
  const int src_top = op.src_top + clip.top - op.top;
  const Rect src{src_left, src_top, src_left + clip.right - clip.left,
                 src_top + clip.bottom - clip.top};
  if (op.kind == Kind::kAdd) {
    AddRect(dst, clip.left, clip.top, *op.sheet, src, true, op.value);
  } else {
    CopyRect(dst, clip.left, clip.top, *op.sheet, src, op.kind == Kind::kKeyed);
  }
}

}  // namespace klumpix
