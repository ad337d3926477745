#pragma once
// A picture kept from one tick to the next as the list of fills and copies
// that made it. The next tick's list is compared with it, copy by copy, and
// only the screen cells where the two lists differ are painted again, by the
// same copies clipped to those cells: the pixels come out as painting the
// whole list would leave them.
#include <cstdint>

#include "core/surface.h"

namespace klumpix {

// Every fill and copy of a picture names who made it (a floor tile, an object
// slot, a text cell, ...), at most once a picture; that is how a copy is found
// again in the last tick's list.
constexpr int kMaxDrawOps = 12288;

class RetainedPicture {
 public:
  RetainedPicture();
  // Starts the next picture's list.
  void Begin();
  // Fills `area` (on the screen) with `colour`.
  void Fill(Rect area, std::uint16_t colour, int who);
  // As CopyRect and AddRect would draw it now.
  void Copy(int x, int y, const Picture& pic, Rect src, bool keyed, int who);
  void Add(int x, int y, const Picture& pic, Rect src, int strength, int who);
  // Paints what differs from the picture painted last into `screen`, which
  // must still hold that picture apart from the areas given to PaintedOver.
  void Paint(Surface& screen);
  // Something other than this list drew into `area` since the last Paint.
  void PaintedOver(Rect area);
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
    std::int16_t who;
    bool operator==(const Op&) const = default;
  };

  // The screen in cells of 10 x 10 pixels, the floor tiles' grid; one bit a
  // cell, a band of 80 cells in two words.
  static constexpr int kCellWidth = 10;
  static constexpr int kCellHeight = 10;
  static constexpr int kBands = (kScreenHeight + kCellHeight - 1) / kCellHeight;
  struct Cells {
    std::uint64_t word[2];
    bool operator==(const Cells&) const = default;
  };
  static_assert((kScreenWidth + kCellWidth - 1) / kCellWidth <= 128);
  static_assert(kBands <= 64);

  // A stable copy, opaque over a large area, that hides what lies under it.
  struct Cover {
    int now_position, was_position;
    int first_band, last_band;
    Cells columns;  // the cells it covers whole, in those bands
  };
  static constexpr int kMaxCovers = 32;
  static constexpr int kCoverArea = 2048;

  static bool Opaque(const Op& op);
  static Cells Columns(int first, int last);
  static std::uint64_t Bands(const Op& op);
  void MarkCells(int band, Cells cells);
  void Push(const Op& op);
  void Match();
  void FindStable(int common, bool in_order);
  void FindCovers();
  void MarkUncovered(const Op& op, int position, bool in_now);
  void PaintMarked(Surface& screen, const Op& op) const;
  void PaintClipped(Surface& screen, const Op& op, Rect clip) const;

  Op lists_[2][kMaxDrawOps];
  bool opaque_[2][kMaxDrawOps];
  int counts_[2] = {0, 0};
  int now_ = 0;  // the list being made; the other is on the screen
  bool valid_ = false;
  Cells marked_[kBands] = {};
  std::uint64_t marked_bands_ = 0;  // the bands with a marked cell
  // Where each maker's copy stands in the list on the screen, or -1.
  std::int16_t position_[kMaxDrawOps];
  // The same copy's position in the other list, or -1.
  std::int16_t was_of_now_[kMaxDrawOps];
  std::int16_t now_of_was_[kMaxDrawOps];
  // Found in both lists and in the same order among such copies.
  bool stable_[kMaxDrawOps];
  Cover covers_[kMaxCovers];
  int cover_count_ = 0;
  // What covers c and those after it hide, band by band.
  Cells hidden_[kMaxCovers + 1][kBands];
  // Copies in both lists, in the new order, and the longest run of them
  // still in the old order.
  std::int16_t common_now_[kMaxDrawOps];
  std::int16_t common_was_[kMaxDrawOps];
  std::int16_t run_end_[kMaxDrawOps];
  std::int16_t run_before_[kMaxDrawOps];
};

}  // namespace klumpix
