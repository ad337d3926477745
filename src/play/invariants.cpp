// Consistency checks of the play state: what must hold between any two ticks.
#include "play/invariants.h"

#include <string>

#include "shell/game.h"
#include "text/text_layer.h"
#include "world/objects.h"

namespace klumpix {

namespace {

bool IsStone(const Game& g, std::int32_t slot) {
  return slot >= 1 && slot <= kSlotCount && g.obj.alive[slot] > 0 &&
         g.obj.kind[slot] == kKindPiece && g.obj.image[slot] == kImageStone;
}

// A cell reference that may point anywhere, even outside the table.
bool IsValidCell(const Game& g, std::int32_t slot) {
  return slot >= 1 && slot <= kSlotCount && IsPlayfieldCell(g, slot);
}

std::string At(const char* what, int a) {
  return std::string(what) + " " + std::to_string(a);
}

// Counts where each stone is referenced from; reports a reference to
// something that is not a live stone.
std::string CountStonePlaces(const Game& g, int (&places)[kSlotCount + 1]) {
  for (int r = 1; r <= kStoreRows; ++r) {
    const bool full = g.stone_store.store[r][1] != 0;
    for (int k = 1; k <= 3; ++k) {
      const std::int32_t s = g.stone_store.store[r][k];
      if ((s != 0) != full) return At("store row half full:", r);
      if (s == 0) continue;
      if (!IsStone(g, s)) return At("store row", r) + At(" holds a non-stone slot", s);
      ++places[s];
    }
  }
  const bool carrying = g.stone_store.carried[1] != 0;
  for (int k = 1; k <= 3; ++k) {
    const std::int32_t s = g.stone_store.carried[k];
    if ((s != 0) != carrying) return "carried stack half full";
    if (s == 0) continue;
    if (!IsStone(g, s)) return At("carried holds a non-stone slot", s);
    ++places[s];
  }
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const std::int32_t s = g.obj.cell_stone[slot];
    if (s == 0) continue;
    if (!IsPlayfieldCell(g, slot)) return At("cell_stone set on a non-cell slot", slot);
    if (!IsStone(g, s)) return At("cell", slot) + At(" holds a non-stone slot", s);
    ++places[s];
  }
  return "";
}

std::string CheckNeighbors(const Game& g) {
  static const int kOpposite[7] = {0, 4, 5, 6, 1, 2, 3};
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    for (int d = 1; d <= 6; ++d) {
      const std::int32_t n = g.obj.neighbor[slot][d];
      if (n == 0) continue;
      if (!IsPlayfieldCell(g, slot) || !IsValidCell(g, n)) {
        return At("neighbor of slot", slot) + At(" links a non-cell", n);
      }
      if (g.obj.neighbor[n][kOpposite[d]] != slot) {
        return At("neighbor not symmetric between", slot) + At(" and", n);
      }
    }
  }
  return "";
}

std::string CheckCounts(const Game& g) {
  if (g.lights.light_count < 0 || g.lights.light_count > kMaxLights)
    return At("light_count", g.lights.light_count);
  if (g.text.text_cell_count < 0 || g.text.text_cell_count > kTextCellCount) {
    return At("text_cell_count", g.text.text_cell_count);
  }
  if (g.stone_store.active_row < 1 || g.stone_store.active_row > kStoreRows + 1)
    return At("active_row", g.stone_store.active_row);
  if (g.stone_store.countdown_start < 1)
    return At("countdown_start", g.stone_store.countdown_start);
  for (int i = 1; i <= kFloatingTextCount; ++i) {
    const FloatingText& f = g.floating_text[i];
    if (f.timer < 0 || f.timer > 50) return At("floating text timer of entry", i);
    if (f.timer > 0 && (f.font < kFontGreen || f.font > kFontPlain || f.text.length > 80)) {
      return At("floating text entry", i);
    }
  }
  return "";
}

}  // namespace

// Empty when all is well, else the first violation found. Stones just set
// down still stand at the pointer until the next settle pass; that is fine,
// so positions are not checked.
std::string CheckInvariants(const Game& g) {
  if (std::string counts = CheckCounts(g); !counts.empty()) return counts;
  int places[kSlotCount + 1] = {};
  if (std::string refs = CountStonePlaces(g, places); !refs.empty()) return refs;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    if (IsStone(g, slot) && places[slot] != 1) {
      return At("stone", slot) + At(" is in places:", places[slot]);
    }
  }
  return CheckNeighbors(g);
}

}  // namespace klumpix
