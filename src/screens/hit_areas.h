#pragma once
// What the screen acts on now, each target with the box the game's own
// pointer test uses. The page reads this table for its touch assist, so the
// geometry lives in the game alone.
#include <cstdint>

#include "core/hit_box.h"

namespace klumpix {

struct Game;

enum class HitKind : std::int32_t {
  kButton = 1,     // id: the button's slot
  kStoreRow = 2,   // id: the row, 1..14
  kDropField = 3,  // id: the field's slot
  kLetter = 4,     // id: 0 for A .. 25 for Z
  kGameType = 5,   // id: the game type, 1..8
};

struct HitArea {
  HitKind kind;
  std::int32_t id;
  HitBox box;
};

// Room for the most any screen shows: the buttons, the menu and either the
// letters or a board's store rows and drop fields.
constexpr int kMaxHitAreas = 96;

struct HitAreas {
  HitArea areas[kMaxHitAreas];
  int count = 0;
};

// Fills `out` from the state as the next tick will see it; no heap use.
void FillHitAreas(const Game& g, HitAreas& out);

}  // namespace klumpix
