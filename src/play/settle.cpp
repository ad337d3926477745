// Stones fall one cell per tick until the cell below is taken or missing.
#include "play/settle.h"

#include "board/neighbors.h"
#include "shell/game.h"
#include "shell/sound.h"
#include "world/floor.h"
#include "world/objects.h"

namespace klumpix {

// One pass in slot order: puts every stone on its cell, lets it fall one cell
// if it can, and records which cells hold a resting stone for matching. A
// cell below with a higher slot number is visited again after the stone
// arrives, so such a stone can fall two cells in one pass.
void SettleStones(Game& g) {
  ObjectTable& o = g.obj;
  for (int cell = 1; cell <= kSlotCount; ++cell) {
    if (!IsPlayfieldCell(g, cell)) continue;
    o.rest_colour[cell] = 0;
    o.match_mark[cell] = 0;
    const std::int16_t stone = o.cell_stone[cell];
    const int shadow = ShadowOf(cell);
    if (stone == 0) {
      o.frame[shadow] = kShadowEmpty;
      continue;
    }
    o.frame[shadow] = kShadowOccupied;
    o.x[stone] = o.x[cell];
    o.y[stone] = o.y[cell];
    o.depth[stone] = kDepthStone;
    const std::int32_t below = o.neighbor[cell][kBelow];
    if (below > 0 && o.cell_stone[below] == 0) {
      o.cell_stone[below] = stone;
      o.cell_stone[cell] = 0;
      AddLight(g, o.x[cell], o.y[cell], 0.5);
      RequestSound(g, kSoundMaser3, o.x[cell]);
    } else {
      o.rest_colour[cell] = o.variant[stone];
    }
  }
}

}  // namespace klumpix
