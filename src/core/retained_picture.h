#pragma once
// A picture kept from one tick to the next as the list of fills and copies
// that made it, in three layers: the floor, the objects over it (copies that
// skip their key colour) and the text over those. The next tick's list is
// compared with the last, copy by copy; only the cells of the screen where
// the two differ are painted again, by the same copies clipped to those
// cells, so the pixels come out as painting the whole list leaves them.
//
// Each layer keeps its own pixels: where only the floor changed, the objects
// are not drawn again but laid over the new floor where they cover it. The
// floor's grid of tiles is kept apart, as the sheet square each tile shows:
// its pixels are read from the sheet when the layers are laid together.
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "core/cell_mask.h"
#include "core/surface.h"

namespace klumpix {

// Every fill and copy of a picture names who made it (a floor tile, an object
// slot, a text cell, ...), at most once a picture; that is how a copy is found
// again in the last tick's list.
constexpr int kMaxDrawOps = 12288;
// The most tiles a floor grid has.
constexpr int kMaxTiles = 1024;

class RetainedPicture {
 public:
  enum class Layer : std::uint8_t { kFloor, kObjects, kText };

  RetainedPicture();
  // Starts the next picture's list, on the floor layer.
  void Begin();
  // What follows lies in `layer`, over the ones before it.
  void Over(Layer layer);
  // Fills `area` (on the screen) with `colour`.
  void Fill(Rect area, std::uint16_t colour, int who);
  // As CopyRect would draw it now.
  void Copy(int x, int y, const Picture& pic, Rect src, bool keyed, int who);
  // As AddRect (keyed) would draw it now; on the text layer only.
  void Add(int x, int y, const Picture& pic, Rect src, int strength, int who);
  // A grid over the floor layer's copies: `area` in squares of `size`
  // pixels, each one whole square of `sheet`. At most one a picture; false
  // (and no grid) when `area` is not on the screen in whole squares.
  bool Tiles(const Picture& sheet, Rect area, int size);
  // The grid's square in `column` and `row` (from 0) shows the sheet's square
  // whose top left is (src_left, src_top).
  void Tile(int column, int row, int src_left, int src_top) {
    const Grid& grid = grids_[now_];
    // Without a grid there are no columns.
    if (static_cast<unsigned>(column) >= static_cast<unsigned>(grid.columns) ||
        static_cast<unsigned>(row) >= static_cast<unsigned>(grid.rows)) {
      return;
    }
    // A square not whole on the sheet shows the sheet's first.
    if (static_cast<unsigned>(src_left) > grid.last_left ||
        static_cast<unsigned>(src_top) > grid.last_top) {
      src_left = 0;
      src_top = 0;
    }
    tiles_[now_][row * grid.columns + column] =
        static_cast<std::uint32_t>(src_left) << 16 | static_cast<std::uint32_t>(src_top);
  }
  // Paints what differs from the picture painted last into `screen`, which
  // must still hold that picture apart from the areas given to PaintedOver.
  void Paint(Surface& screen);
  // Something other than this list drew into `area` since the last Paint.
  void PaintedOver(Rect area);
  // The cells of the screen that may differ from the picture it held at the
  // last Shown(): where Paint painted the screen since, and what was
  // painted over.
  const CellMask& Changed() const { return changed_; }
  void Shown() { changed_.Clear(); }
  // The screen holds nothing known: the next Paint paints everything.
  void Forget() { valid_ = false; }

 private:
  enum class Kind : std::uint8_t { kFill, kCopy, kKeyed, kAdd };
  struct Op {
    const Picture* sheet;
    std::int16_t src_left, src_top;         // the source pixel at the area's top left
    std::int16_t left, top, right, bottom;  // on the screen, clipped
    std::uint16_t value;                    // fill colour or added strength
    Kind kind;
    Layer layer;
    std::int16_t who;
    // Zero: an op is compared as its bytes, with a pointer of eight bytes
    // (natively) or four (WebAssembly).
    std::uint8_t unused[sizeof(void*) == 8 ? 6 : 2];
    Rect Area() const { return Rect{left, top, right, bottom}; }
  };
  static constexpr int kOpWords = sizeof(Op) / 8;
  static_assert(sizeof(Op) % 8 == 0 && std::has_unique_object_representations_v<Op>);
  // The same maker drawing the same pixels the same way, compared without a
  // branch (copies of a tile lit otherwise differ at random).
  static bool Same(const Op& a, const Op& b) {
    std::uint64_t x[kOpWords];
    std::uint64_t y[kOpWords];
    std::memcpy(x, &a, sizeof x);
    std::memcpy(y, &b, sizeof y);
    std::uint64_t differ = 0;
    for (int w = 0; w < kOpWords; ++w) differ |= x[w] ^ y[w];
    return differ == 0;
  }

  // A stable copy on the object layer, opaque over a large area, that hides
  // what lies under it.
  struct Cover {
    int now_position, was_position;
    int first_band, last_band;
    Cells columns;  // the cells it covers whole, in those bands
  };
  static constexpr int kMaxCovers = 32;
  static constexpr int kCoverArea = 2048;

  struct Grid {
    const Picture* sheet;  // null: no grid
    Rect area;
    int size, columns, rows;
    unsigned last_left, last_top;  // the last square's top left on the sheet
  };
  static bool SameGrid(const Grid& a, const Grid& b);

  static bool Opaque(const Op& op);
  void Push(const Picture* sheet, int src_left, int src_top, Rect area, std::uint16_t value,
            Kind kind, int who);
  void Match();
  void FindStable(int common, bool in_order);
  bool PassedApart(int i, int rest) const;
  void FindCovers();
  void MarkChanged(const Op& op, int position, bool in_now);
  void MarkTiles();
  void PaintLayers(Surface& screen);
  void PaintStraight(Surface& screen);
  void LayTogether(Surface& screen, Rect area, bool objects) const;
  void LayOverTiles(Surface& screen, Rect area, bool objects) const;
  void LayOver(Surface& screen, Rect area, const std::uint16_t* floor, int stride,
               bool objects) const;
  static void PaintOp(Surface& dst, const Op& op, Rect clip);

  Op lists_[2][kMaxDrawOps];
  enum class Opacity : std::uint8_t { kUnknown, kOpaque, kSeeThrough };
  Opacity opaque_[2][kMaxDrawOps];
  int counts_[2] = {0, 0};
  // Where each layer's copies begin in each list, and where the list ends.
  static constexpr int kLayers = 3;
  int starts_[2][kLayers + 1] = {};
  int now_ = 0;  // the list being made; the other is on the screen
  Grid grids_[2] = {};
  // Each square's source on the sheet, left << 16 | top, row by row.
  std::uint32_t tiles_[2][kMaxTiles] = {};
  Layer layer_ = Layer::kFloor;
  bool valid_ = false;
  // The object layer was left behind by a picture painted straight.
  bool objects_stale_ = false;

  // To paint again: the floor layer, the object layer, and the screen (the
  // layers laid together and the text drawn over them).
  CellMask floor_marks_;
  CellMask object_marks_;
  CellMask screen_marks_;
  CellMask changed_;
  // Where the object layer may hold a pixel: elsewhere the floor is shown.
  CellMask objects_present_;
  // The layers' own pixels; `cover_` is all ones where an object pixel lies.
  Surface floor_;
  Surface objects_;
  CoverMask cover_;

  // Where each maker's copy stood in the last list it was in, or -1 (once
  // Paint has matched the lists: in the new list).
  std::int16_t position_[kMaxDrawOps];
  // The same copy's position in the other list, or -1.
  std::int16_t was_of_now_[kMaxDrawOps];
  std::int16_t now_of_was_[kMaxDrawOps];
  // Found in both lists and in the same order among such copies, or out of
  // that order only with copies it does not overlap (then passed apart).
  bool stable_[kMaxDrawOps];
  bool passed_apart_[kMaxDrawOps];
  // More copies out of order than this are all painted again.
  static constexpr int kMaxPassedApart = 32;
  Cover covers_[kMaxCovers];
  int cover_count_ = 0;
  // What covers c and those after it hide, band by band.
  Cells hidden_[kMaxCovers + 1][CellMask::kBands];
  // Copies in both lists, in the new order, and the heaviest run of them
  // still in the old order: for each, the one before it in its run; by old
  // position (one up), a tree of the heaviest runs ending there and their
  // last copies, all zero between paints.
  std::int16_t common_now_[kMaxDrawOps];
  std::int16_t common_was_[kMaxDrawOps];
  std::int16_t run_before_[kMaxDrawOps];
  std::int64_t run_weight_[kMaxDrawOps + 1] = {};
  std::int16_t run_from_[kMaxDrawOps + 1];
};

}  // namespace klumpix
