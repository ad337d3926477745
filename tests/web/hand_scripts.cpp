// Writes input scripts of the soak's restless hand: each one the game the
// hand plays from its seed, so that `klumpix --headless --input SCRIPT`
// plays that game again.
// usage: klumpix_hand_scripts DIR COUNT TICKS [FIRST_SEED]
//   writes DIR/hand_SEED.txt for COUNT seeds from FIRST_SEED (default 1),
//   each TICKS ticks long.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/input_script.h"
#include "app/options.h"
#include "app/start_up.h"
#include "core/file_io.h"
#include "shell/game.h"
#include "shell/winners_storage.h"
#include "support/restless_hand.h"
#include "tick/tick.h"

namespace klumpix {
namespace {

// The hand's game from `seed` as script text: the hand acts where a
// script's events are delivered, just before a tick. Nothing is drawn; the
// state does not depend on the picture. The game starts on the starter
// winners table, as a run does where there is no groar.dat.
//
// A quit would end the run early: when the hand says JA to leaving, that
// tick is played again as if the hand had done nothing, so every script
// runs its full length.
std::string HandScript(std::uint64_t seed, std::int32_t ticks) {
  auto g = std::make_unique<Game>();
  auto before = std::make_unique<Game>();
  WinnersInMemory winners;
  StartGame(*g, seed, kDefaultStartValues);
  std::vector<InputEvent> played;
  testing::RestlessHand hand(*g, seed * 7919 + 1, &played);
  while (g->tick_count < ticks) {
    const bool may_quit = g->confirm_open;
    const std::size_t events_before = played.size();
    if (may_quit) *before = *g;
    if (g->tick_count >= kStartUpTick) hand.Act();
    DXTimer1Timer(*g, winners);
    if (!g->quit_requested) continue;
    if (!may_quit) break;
    *g = *before;
    played.resize(events_before);
    DXTimer1Timer(*g, winners);
  }
  return FormatInputScript(seed, kDefaultStartValues, played);
}

bool ReadNumber(const char* text, std::uint64_t max, std::uint64_t& value) {
  return ParseDecimal(text, max, value) && value > 0;
}

}  // namespace
}  // namespace klumpix

int main(int argc, char** argv) {
  std::uint64_t count = 0, ticks = 0, first = 1;
  if ((argc != 4 && argc != 5) || !klumpix::ReadNumber(argv[2], 1000000, count) ||
      !klumpix::ReadNumber(argv[3], 2147483647, ticks) ||
      (argc == 5 && !klumpix::ReadNumber(argv[4], 1000000000, first))) {
    std::fputs("usage: klumpix_hand_scripts DIR COUNT TICKS [FIRST_SEED]\n", stderr);
    return 2;
  }
  for (std::uint64_t seed = first; seed < first + count; ++seed) {
    const std::string path = std::string(argv[1]) + "/hand_" + std::to_string(seed) + ".txt";
    const std::string text = klumpix::HandScript(seed, static_cast<std::int32_t>(ticks));
    if (!klumpix::WriteFileAtomically(path.c_str(), text.data(), text.size(), 0)) {
      std::perror(path.c_str());
      return 1;
    }
  }
  return 0;
}
