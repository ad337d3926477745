// The stone store: rows that refill by countdown, the sinking start value
// with its fill bonus, and taking or exchanging a row with the pointer.
#include "core/short_text.h"
#include "play/play_screen.h"
#include "play/play_steps.h"
#include "play/targets.h"
#include "shell/game.h"
#include "shell/sound.h"
#include "text/text_layer.h"
#include "text/words.h"
#include "world/objects.h"

namespace klumpix {

namespace {

constexpr Words kStoreFull{"LAGER VOLL !", "STORE FULL !"};
constexpr Words kFillBonus{" AUFF\xDCLLBONUS", " FILL BONUS"};

// Sets the shadows of the store fields standing in the column of row r.
void SetStoreShadows(Game& g, int row, std::int16_t frame) {
  const int column_x = StoreRowX(row);
  for (int slot = 1; slot < kSlotCount; ++slot) {
    if (!IsStoreField(g, slot)) continue;
    if (g.obj.x[slot] - g.obj.half_width[slot] < column_x &&
        column_x < g.obj.x[slot] + g.obj.half_width[slot]) {
      g.obj.frame[ShadowOf(slot)] = frame;
    }
  }
}

// Fills the active row with three stones of random colours. Returns false,
// with the row left empty, when the object table has no room for all three.
bool FillRow(Game& g, int row) {
  std::int16_t made[4] = {};
  for (int k = 1; k <= 3; ++k) {
    const auto colour = static_cast<std::int16_t>(g.rng.Random(kColourCount) + 1);
    made[k] = SpawnStone(g, StoreRowX(row), StorePlaceY(k), colour);
    if (made[k] == 0) {
      // A half-filled row would break the store; try the whole row again later.
      for (int j = 1; j < k; ++j) ClearSlot(g, made[j]);
      return false;
    }
  }
  for (int k = 1; k <= 3; ++k) g.stone_store.store[row][k] = made[k];
  SetStoreShadows(g, row, kShadowOccupied);
  RequestSound(g, kSoundPloing2, StoreRowX(row));
  return true;
}

// The lowest row that waits with the start value, or 15 when none waits.
std::int16_t NextWaitingRow(const StoneStore& s) {
  for (int r = 1; r <= kStoreRows; ++r) {
    if (s.row_countdown[r] == s.countdown_start) return static_cast<std::int16_t>(r);
  }
  return kStoreRows + 1;
}

void TakeRow(Game& g, int row) {
  StoneStore& s = g.stone_store;
  for (int k = 1; k <= 3; ++k) {
    s.carried[k] = s.store[row][k];
    s.store[row][k] = 0;
    g.obj.depth[s.carried[k]] = kDepthCarried;
  }
  s.row_countdown[row] = s.countdown_start;
  SetStoreShadows(g, row, kShadowEmpty);
}

// Swaps the carried stack with the row, place by place; the row keeps its
// countdown and shadows since it stays full.
void ExchangeRow(Game& g, int row) {
  StoneStore& s = g.stone_store;
  for (int k = 1; k <= 3; ++k) {
    const std::int32_t into_row = s.carried[k];
    s.carried[k] = s.store[row][k];
    s.store[row][k] = into_row;
    g.obj.x[into_row] = StoreRowX(row);
    g.obj.y[into_row] = StorePlaceY(k);
    g.obj.depth[into_row] = kDepthStone;
    g.obj.depth[s.carried[k]] = kDepthCarried;
  }
}

}  // namespace

// Makes a stone of the given colour; 0 when the object table is full.
std::int16_t SpawnStone(Game& g, std::int16_t x, std::int16_t y, std::int16_t colour) {
  const std::int16_t slot = AllocateDynamicSlot(g);
  if (slot == 0) return 0;
  PlaceObject(g, slot, {kKindPiece, kImageStone, colour, 1, x, y, kDepthStone});
  return slot;
}

// One tick of the active row's countdown; a row that runs out is filled and
// the next waiting row takes over, or the store is full and the game ends.
void RunRowCountdown(Game& g) {
  StoneStore& s = g.stone_store;
  if (s.active_row <= kStoreRows && s.row_countdown[s.active_row] > 0) {
    --s.row_countdown[s.active_row];
    return;
  }
  if (s.active_row >= 1 && s.active_row <= kStoreRows) {
    if (!FillRow(g, s.active_row)) return;
  }
  s.active_row = NextWaitingRow(s);
  if (s.active_row > kStoreRows) {
    g.game_over = true;
    RequestSound(g, kSoundBallweg, 400);
    SpawnFloatingText(g, 430, 180, kFontGreen, InLanguage(g, kStoreFull));
  }
}

// Lowers the countdown start value every 201 ticks, pulling the waiting rows
// along, and pays each fill bonus level once per game.
void StepCountdownStart(Game& g) {
  StoneStore& s = g.stone_store;
  if (s.countdown_start_timer > 0) {
    --s.countdown_start_timer;
    return;
  }
  for (int r = 1; r <= kStoreRows; ++r) {
    if (s.row_countdown[r] == s.countdown_start) s.row_countdown[r] = s.countdown_start - 1;
  }
  if (s.countdown_start > 1) {
    --s.countdown_start;
    for (int level = 1; level <= kBonusLevels; ++level) {
      if (s.countdown_start < 130 - 10 * level && !s.bonus_given[level]) {
        g.score += 100 * level;
        ShortText text;
        text.AppendNumber(100 * level);
        text.Append(InLanguage(g, kFillBonus));
        SpawnFloatingText(g, 200, 160, kFontLarge, text.c_str());
        s.bonus_given[level] = true;
        RequestSound(g, kSoundErschein1, 400);
      }
    }
  }
  s.countdown_start_timer = 200;
}

// Takes a full row onto the pointer, or exchanges it with the carried stack,
// on every tick the left button is held over the row.
void RunStorePass(Game& g) {
  for (int r = 1; r <= kStoreRows; ++r) {
    if (!StoreRowFull(g, r)) continue;
    const bool in_zone = StoreRowBox(r).Contains(g.mouse.mouse_x, g.mouse.mouse_y);
    if (!in_zone || !g.mouse.left_button_down) continue;
    if (g.stone_store.carried[1] == 0) {
      TakeRow(g, r);
    } else {
      ExchangeRow(g, r);
    }
  }
}

}  // namespace klumpix
