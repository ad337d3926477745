// Removing the marked stones with an explosion each, and scoring them.
#include "core/short_text.h"
#include "play/match.h"
#include "play/play_screen.h"
#include "shell/game.h"
#include "shell/sound.h"
#include "text/text_layer.h"
#include "world/floor.h"
#include "world/objects.h"

namespace klumpix {

// Starts an explosion animation, shakes the screen and bangs; 0 (and no
// shake or sound) when the object table has no room.
std::int16_t SpawnExplosion(Game& g, std::int16_t x, std::int16_t y, std::int16_t colour) {
  const std::int16_t slot = AllocateDynamicSlot(g);
  if (slot == 0) return 0;
  const auto frame = static_cast<std::int16_t>(4 + g.rng.Random(3));
  PlaceObject(g, slot, {kKindExplosion, kImageOnly, colour, frame, x, y, kDepthExplosion});
  g.shake = 2;
  RequestSound(g, kSoundExplosion1, x);
  return slot;
}

// Blows up every marked stone once the tick's factor says a group was found.
// Each stone scores the factor, twice on a field of its own colour (drop
// fields have no colour of their own and never double).
void ExplodeStones(Game& g, std::int16_t count) {
  if (count <= 2) return;
  ObjectTable& o = g.obj;
  bool exploded = false;
  for (int cell = 1; cell <= kSlotCount; ++cell) {
    if (!IsField(g, cell) || o.match_mark[cell] <= 0) continue;
    const std::int16_t stone = o.cell_stone[cell];
    const auto colour = static_cast<std::int16_t>(o.rest_colour[cell]);
    SpawnExplosion(g, o.x[cell], o.y[cell], colour);
    AddLight(g, o.x[cell], o.y[cell], 0.7);
    ShortText text;
    if (o.variant[cell] == colour) {
      text.Assign("2 X ");
      text.AppendNumber(count);
      SpawnFloatingText(g, static_cast<std::int16_t>(o.x[cell] - 30), o.y[cell], kFontPlain,
                        text.c_str());
      g.score += 2 * count;
    } else {
      text.AppendNumber(count);
      SpawnFloatingText(g, static_cast<std::int16_t>(o.x[cell] - 10), o.y[cell], kFontPlain,
                        text.c_str());
      g.score += count;
    }
    if (stone > 0) ClearSlot(g, stone);
    o.cell_stone[cell] = 0;
    o.rest_colour[cell] = 0;
    o.match_mark[cell] = 0;
    exploded = true;
  }
  if (exploded) ++g.explosion_count;
}

}  // namespace klumpix
