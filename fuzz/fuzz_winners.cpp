// Feeds arbitrary bytes to the game as groar.dat: the table must come out
// sane and the game must start and show it.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/start_up.h"
#include "play/invariants.h"
#include "screens/menu_bar.h"
#include "text/text_layer.h"
#include "screens/winners.h"
#include "shell/game.h"
#include "shell/sound.h"
#include "tick/tick.h"

namespace {

using klumpix::Game;

// One scratch file per fuzzing process, so parallel jobs do not share it.
const std::string& ScratchPath() {
  static const std::string path =
      "/tmp/klumpix-fuzz-winners-" + std::to_string(static_cast<long>(getpid())) + ".dat";
  return path;
}

void WriteScratch(const std::uint8_t* data, std::size_t size) {
  std::FILE* f = std::fopen(ScratchPath().c_str(), "wb");
  if (f == nullptr) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, f) != size) std::abort();
  if (std::fclose(f) != 0) std::abort();
}

void PointAtScratch(Game& g) {
  std::snprintf(g.winners_path, sizeof g.winners_path, "%s", ScratchPath().c_str());
}

// Names are what the file can hold; anything else means the reader overran.
void CheckTable(const Game& g) {
  for (int t = 1; t <= klumpix::kGameTypes; ++t) {
    for (int p = 1; p <= klumpix::kPlaces; ++p) {
      const auto& name = g.winner_name[t][p];
      if (name.length > 8 || name.bytes[name.length] != '\0') std::abort();
      // Scores are what the seven-place column can show.
      if (g.winner_score[t][p] < 0 || g.winner_score[t][p] > 9999999) std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A Game is a few megabytes: make it once and reset it for every input.
  static std::unique_ptr<Game> game = std::make_unique<Game>();
  Game& g = *game;
  WriteScratch(data, size);

  klumpix::ResetGame(g);
  PointAtScratch(g);
  klumpix::ReadWinners(g);
  CheckTable(g);

  // The whole start-up as the program runs it, up to and through the tick
  // that reads the file; no pictures, so nothing is drawn.
  klumpix::ResetGame(g);
  PointAtScratch(g);
  klumpix::FormCreate(g);
  klumpix::SilentSoundSink sink;
  while (g.tick_count <= klumpix::kStartUpTick) klumpix::DXTimer1Timer(g, sink);
  CheckTable(g);
  const std::string broken = klumpix::CheckInvariants(g);
  if (!broken.empty()) {
    std::fprintf(stderr, "%s\n", broken.c_str());
    std::abort();
  }

  // The winners column of every game type, with whatever bytes the names hold.
  for (int t = 1; t <= klumpix::kGameTypes; ++t) {
    g.game_type = t;
    klumpix::ClearTextLayer(g);
    klumpix::RunMenuBar(g);
  }
  return 0;
}
