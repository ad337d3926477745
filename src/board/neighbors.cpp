// Linking playfield cells into the hex lattice and marking the drop fields.
#include "board/neighbors.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "shell/game.h"
#include "world/objects.h"

namespace klumpix {
namespace {

// Adjacent cells lie 24 pixels apart; the nearest cell that is not adjacent
// lies 42 away, so 40 separates the two cleanly.
constexpr long kLinkDistance = 40;

constexpr int kBelowLeft = 2;
constexpr int kAboveLeft = 3;
constexpr int kAbove = 4;
constexpr int kAboveRight = 5;
constexpr int kBelowRight = 6;

// The direction in which a cell at offset (dx, dy) = own - other lies, or 0
// for a cell in the same row.
int DirectionOf(int dx, int dy) {
  if (dy < 0) return dx == 0 ? kBelow : (dx > 0 ? kBelowLeft : kBelowRight);
  if (dy > 0) return dx == 0 ? kAbove : (dx > 0 ? kAboveLeft : kAboveRight);
  return 0;
}

}  // namespace

// Fills the neighbour table from the cell positions, once per build. Every
// ordered pair is compared, in ascending slot order, so a later cell in the
// same direction would win; on the lattice there never is one.
void LinkNeighbors(Game& g) {
  ObjectTable& obj = g.obj;
  std::int16_t cells[kSlotCount + 1];
  int cell_count = 0;
  for (int s = 1; s <= kSlotCount; ++s) {
    if (IsPlayfieldCell(g, s)) cells[cell_count++] = static_cast<std::int16_t>(s);
  }
  for (int a = 0; a < cell_count; ++a) {
    const int i = cells[a];
    for (int b = 0; b < cell_count; ++b) {
      const int j = cells[b];
      if (j == i) continue;
      const int dx = obj.x[i] - obj.x[j];
      const int dy = obj.y[i] - obj.y[j];
      // Either offset alone at 40 or more rules the pair out without a root.
      if (std::abs(dx) >= kLinkDistance || std::abs(dy) >= kLinkDistance) continue;
      const long dist = std::lround(std::sqrt(static_cast<double>(dx * dx + dy * dy)));
      if (dist >= kLinkDistance) continue;
      const int d = DirectionOf(dx, dy);
      if (d != 0) obj.neighbor[i][d] = j;
    }
  }
}

// A cell with nothing straight above it is where the player drops stones.
void MarkDropFields(Game& g) {
  ObjectTable& obj = g.obj;
  for (int s = 1; s <= kSlotCount; ++s) {
    if (IsPlayfieldCell(g, s) && obj.neighbor[s][kAbove] == 0) obj.variant[s] = kFieldDrop;
  }
}

}  // namespace klumpix
