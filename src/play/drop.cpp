// The drop fields: lit under the pointer, and where the carried stones are
// set down into the playfield.
#include "board/neighbors.h"
#include "play/play_steps.h"
#include "play/targets.h"
#include "shell/game.h"
#include "world/floor.h"
#include "world/objects.h"

namespace klumpix {

namespace {

// A missing cell counts as taken: nothing can be set into it.
bool CellTaken(const Game& g, std::int32_t cell) {
  return cell == 0 || g.obj.cell_stone[cell] != 0;
}

// Sets the carried stack into drop field `drop` and the cells below it, as
// far as they are free; stones that find no cell are thrown away.
void SetDownCarried(Game& g, std::int32_t drop) {
  const std::int32_t below1 = g.obj.neighbor[drop][kBelow];
  const std::int32_t below2 = below1 == 0 ? 0 : g.obj.neighbor[below1][kBelow];
  int placed = 0;
  if (CellTaken(g, drop)) return;
  if (!CellTaken(g, below1) && !CellTaken(g, below2)) {
    g.obj.cell_stone[drop] = static_cast<std::int16_t>(g.stone_store.carried[1]);
    g.obj.cell_stone[below1] = static_cast<std::int16_t>(g.stone_store.carried[2]);
    g.obj.cell_stone[below2] = static_cast<std::int16_t>(g.stone_store.carried[3]);
    placed = 3;
  } else if (!CellTaken(g, below1) && CellTaken(g, below2)) {
    g.obj.cell_stone[drop] = static_cast<std::int16_t>(g.stone_store.carried[2]);
    g.obj.cell_stone[below1] = static_cast<std::int16_t>(g.stone_store.carried[3]);
    ClearSlot(g, static_cast<std::int16_t>(g.stone_store.carried[1]));
    placed = 2;
  } else if (CellTaken(g, below1) && CellTaken(g, below2)) {
    g.obj.cell_stone[drop] = static_cast<std::int16_t>(g.stone_store.carried[3]);
    ClearSlot(g, static_cast<std::int16_t>(g.stone_store.carried[1]));
    ClearSlot(g, static_cast<std::int16_t>(g.stone_store.carried[2]));
    placed = 1;
  } else {
    return;  // the stone in the cell below is still falling: wait for it
  }
  g.score += placed;
  g.stones_placed += placed;
  g.stone_store.carried[1] = g.stone_store.carried[2] = g.stone_store.carried[3] = 0;
}

}  // namespace

// Lights the drop field under the pointer and sets the carried stones down
// when the left button is held over it.
void RunDropFields(Game& g) {
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    if (!IsDropField(g, slot)) continue;
    std::int16_t& variant = g.obj.variant[slot];
    const std::int16_t x = g.obj.x[slot];
    const std::int16_t y = g.obj.y[slot];
    const bool pointer_over = DropFieldBox(g, slot).Contains(g.mouse.mouse_x, g.mouse.mouse_y);
    if (!pointer_over) {
      variant = kFieldDrop;
    } else if (!g.mouse.left_button_down) {
      variant = kFieldLit;
      AddLight(g, x, y, 0.3);
    } else if (g.stone_store.carried[1] > 0) {
      variant = kFieldLit;
      AddLight(g, x, y, 0.7);
      SetDownCarried(g, slot);
    }
  }
}

}  // namespace klumpix
