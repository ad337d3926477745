// Feeds arbitrary bytes to the game as the contents of groar.dat: the table
// must come out sane and its winners column must draw for every game type.
// (The start-up that reads the real file is covered by the hostile-files tests.)
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "screens/menu_bar.h"
#include "screens/winners.h"
#include "shell/game.h"
#include "text/text_layer.h"

namespace {

using klumpix::Game;

// Names are what the file can hold and scores what the seven-place column
// can show; anything else means the reader overran or failed to clamp.
void CheckTable(const Game& g) {
  for (int t = 1; t <= klumpix::kGameTypes; ++t) {
    for (int p = 1; p <= klumpix::kPlaces; ++p) {
      const auto& name = g.winner_name[t][p];
      if (name.length > 8 || name.bytes[name.length] != '\0') std::abort();
      if (g.winner_score[t][p] < 0 || g.winner_score[t][p] > 9999999) std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A Game is a few hundred kilobytes: made once. The reader sets the whole
  // table and the column is written from the table and the game type alone.
  static const std::unique_ptr<Game> game = [] {
    auto made = std::make_unique<Game>();
    klumpix::ResetGame(*made);
    return made;
  }();
  Game& g = *game;
  klumpix::DecodeWinners(data, size, g);
  CheckTable(g);

  // The winners column of one game type (chosen by the input's length), with
  // whatever bytes the names hold.
  g.game_type = 1 + static_cast<std::int32_t>(size % klumpix::kGameTypes);
  klumpix::ClearTextLayer(g);
  klumpix::RunMenuBar(g);
  return 0;
}
