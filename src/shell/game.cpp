#include "shell/game.h"

#include <cstring>
#include <type_traits>

#include "core/surface.h"

namespace klumpix {

void ResetGame(Game& g) {
  // Every field of Game is plain data; zeroing is the state before FormCreate.
  static_assert(std::is_trivially_copyable_v<Game>);
  std::memset(static_cast<void*>(&g), 0, sizeof g);
  g.rng = Pcg32{};
  g.view_width = kScreenWidth;
  g.view_height = kScreenHeight;
  g.start_values = kDefaultStartValues;
  g.files.info_winners_place.Assign("GROAR.DAT IM ARBEITSORDNER");
  g.files.info_settings_place.Assign("KEINE (OHNE FENSTER)");
}

}  // namespace klumpix
