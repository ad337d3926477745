#include "screens/hit_areas.h"

#include "play/targets.h"
#include "screens/menu_bar.h"
#include "screens/name_entry.h"
#include "shell/game.h"
#include "world/objects.h"

namespace klumpix {

namespace {

void Add(HitAreas& out, HitKind kind, std::int32_t id, const HitBox& box) {
  if (out.count < kMaxHitAreas) out.areas[out.count++] = {kind, id, box};
}

}  // namespace

void FillHitAreas(const Game& g, HitAreas& out) {
  out.count = 0;
  for (int s = 1; s <= kSlotCount; ++s) {
    if (IsButton(g, s)) Add(out, HitKind::kButton, s, ButtonBox(g, s));
  }
  if (TypeMenuOpen(g)) {
    for (int t = 1; t <= kGameTypes; ++t) Add(out, HitKind::kGameType, t, MenuEntryBox(t));
  }
  if (g.screen_mode == kModeNameEntry) {
    for (int k = 0; k < kLetterCount; ++k) Add(out, HitKind::kLetter, k, LetterBox(k));
  }
  // The store and the drop fields take part while a game runs on the play screen.
  if (g.screen_mode != kModePlay || !g.game_running || g.game_over) return;
  for (int r = 1; r <= kStoreRows; ++r) {
    if (StoreRowFull(g, r)) Add(out, HitKind::kStoreRow, r, StoreRowBox(r));
  }
  for (int s = 1; s <= kSlotCount; ++s) {
    if (IsDropField(g, s)) Add(out, HitKind::kDropField, s, DropFieldBox(g, s));
  }
}

}  // namespace klumpix
