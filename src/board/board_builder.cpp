// Building the play screen's scene: frame, buttons, stone store, playfield.
#include <cstdint>

#include "board/board.h"
#include "board/neighbors.h"
#include "shell/game.h"
#include "world/floor.h"
#include "world/objects.h"

namespace klumpix {
namespace {

// The shadow falls 10 pixels right of and below its field.
constexpr std::int16_t kShadowOffset = 10;

constexpr std::int32_t kCountdownStart = 130;
constexpr std::int32_t kCountdownStartTimer = 100;

struct FixedObject {
  std::int16_t x, y, variant;
};

// Slots 1..4: top bar, bottom bar, left panel, right panel.
constexpr FixedObject kFramePanels[] = {
    {400, 30, 1},
    {400, 570, 3},
    {50, 300, 2},
    {695, 300, 4},
};

// Slots 5..14: EXIT, ENDE, SPIEL, HILFE, INFO, SOUND, LICHT, START, NEU, ENTER.
constexpr FixedObject kButtons[] = {
    {54, 52, 1},  {54, 546, 2}, {153, 27, 5}, {253, 27, 5}, {350, 27, 5},
    {450, 27, 6}, {552, 27, 6}, {51, 200, 1}, {51, 299, 3}, {52, 398, 2},
};

// A field and its shadow in the next two slots above slot_top.
void AddFieldPair(Game& g, std::int16_t x, std::int16_t y, std::int16_t colour, std::int32_t tag) {
  const auto field = static_cast<std::int16_t>(g.slot_top + 1);
  const auto shadow = static_cast<std::int16_t>(ShadowOf(field));
  PlaceObject(g, field, {kKindPiece, kImageField, colour, 1, x, y, kDepthField});
  g.obj.tag[field] = tag;
  PlaceObject(g, shadow,
              {kKindPiece, kImageShadow, kFirstVariant, kShadowEmpty,
               static_cast<std::int16_t>(x + kShadowOffset),
               static_cast<std::int16_t>(y + kShadowOffset), kDepthShadow});
  g.slot_top = shadow;
}

// Everything a new board starts a game with; the press that led here is
// used up so a held START or ENTER does not act again.
void ResetPlayState(Game& g) {
  g.screen_mode = kModePlay;
  g.game_running = false;
  g.game_over = false;
  g.confirm_open = false;
  g.mouse.left_button_down = false;
  g.mouse.left_release_held = false;
  g.mouse.clicked = false;
  g.score = 0;
  g.entry.winner_place = 0;
  g.stones_placed = 0;
  g.explosion_count = 0;
  for (std::int32_t r = 1; r <= kStoreRows; ++r) {
    g.stone_store.row_countdown[r] = kCountdownStart;
    for (std::int32_t k = 1; k <= kStorePlaces; ++k) g.stone_store.store[r][k] = 0;
  }
  g.stone_store.countdown_start = kCountdownStart;
  g.stone_store.countdown_start_timer = kCountdownStartTimer;
  g.stone_store.active_row = 1;
  for (std::int32_t k = 1; k <= kStorePlaces; ++k) g.stone_store.carried[k] = 0;
  for (std::int32_t b = 1; b <= kBonusLevels; ++b) g.stone_store.bonus_given[b] = false;
  g.entry.entry_placed = false;
  g.entry.winners_write_failed = false;
}

}  // namespace

// A playfield cell: a field that stones can lie in, with its shadow.
void AddBoardCell(Game& g, std::int16_t x, std::int16_t y, std::int16_t colour) {
  AddFieldPair(g, x, y, colour, kTagPlayfieldCell);
}

// A cell of the stone store: drawn like a playfield cell but never linked.
void AddStoreCell(Game& g, std::int16_t x, std::int16_t y, std::int16_t colour) {
  AddFieldPair(g, x, y, colour, kTagStoreField);
}

// The frame around the board and the ten buttons, in their fixed slots.
void CreateFixedObjects(Game& g) {
  std::int16_t slot = kSlotTopBar;
  for (const FixedObject& panel : kFramePanels) {
    PlaceObject(g, slot++,
                {kKindPanel, kImageOnly, panel.variant, 0, panel.x, panel.y, kDepthPanel});
  }
  for (const FixedObject& button : kButtons) {
    PlaceObject(
        g, slot++,
        {kKindButton, kImageOnly, button.variant, kButtonUp, button.x, button.y, kDepthButton});
  }
  g.slot_top = kLastFixedSlot;
}

// Replaces the whole scene with a fresh board of `game_type`, ready for START.
// Also called from inside the object update's walk (START, ENTER): the walk
// simply carries on over the new table.
void BuildBoard(Game& g) {
  BuildFloor(g);
  ClearAllSlots(g);
  g.slot_top = 0;
  CreateFixedObjects(g);
  g.slot_top = kLastFixedSlot;
  for (int r = 1; r <= kStoreRows; ++r) {
    for (int k = 1; k <= kStorePlaces; ++k)
      AddStoreCell(g, StoreRowX(r), StorePlaceY(k), kFieldPlain);
  }
  AddLayoutCells(g, g.game_type);
  LinkNeighbors(g);
  MarkDropFields(g);
  g.dynamic_slot_floor = g.slot_top;
  ResetPlayState(g);
}

}  // namespace klumpix
