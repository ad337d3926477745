// Finding the groups of three or more touching resting stones of one colour.
#include "play/match.h"

#include "shell/game.h"
#include "world/objects.h"

namespace klumpix {

// Marks every stone of a group and adds up the tick's points factor. A stone
// touching two of its colour is a centre; each centre counts itself, and its
// neighbours count when they are marked for the first time. Groups share the
// factor, so several groups in one tick are worth more than each alone.
// Returns the factor.
std::int16_t MatchStones(Game& g) {
  ObjectTable& o = g.obj;
  std::int16_t count = 0;
  for (int cell = 1; cell <= kSlotCount; ++cell) {
    if (!IsField(g, cell)) continue;
    const std::int32_t colour = o.rest_colour[cell];
    if (colour <= 0) continue;
    std::int32_t same[6];
    int same_count = 0;
    for (int d = 1; d <= 6; ++d) {
      const std::int32_t n = o.neighbor[cell][d];
      if (n > 0 && o.rest_colour[n] == colour) same[same_count++] = n;
    }
    if (same_count < 2) continue;
    for (int i = 0; i < same_count; ++i) {
      if (o.match_mark[same[i]] == 0) ++count;
    }
    ++count;
    o.match_mark[cell] = 1;
    for (int i = 0; i < same_count; ++i) o.match_mark[same[i]] = 1;
  }
  return count;
}

}  // namespace klumpix
