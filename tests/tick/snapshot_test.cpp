// The game is a plain value: a copy taken between ticks is a snapshot that
// plays on exactly as the original did.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "app/state_dump.h"
#include "shell/game.h"
#include "shell/winners_storage.h"
#include "support/game_fixture.h"
#include "support/restless_hand.h"
#include "tick/tick.h"

namespace klumpix {
namespace {

static_assert(std::is_trivially_copyable_v<Game>);

// Runs `ticks` ticks with a restless hand seeded `seed`; the state dump of
// every tick.
std::vector<std::string> PlayOn(Game& g, std::uint64_t seed, int ticks) {
  WinnersInMemory winners;
  testing::RestlessHand hand(g, seed);
  std::vector<std::string> dumps;
  for (int t = 0; t < ticks; ++t) {
    hand.Act();
    DXTimer1Timer(g, winners);
    dumps.push_back(StateDumpJson(g));
  }
  return dumps;
}

TEST(Snapshot, ARestoredCopyPlaysOnToTheSameStates) {
  auto g = testing::NewGame();
  g->seed = 31337;
  FormCreate(*g);
  WinnersInMemory winners;
  for (int t = 0; t <= kStartUpTick; ++t) DXTimer1Timer(*g, winners);
  PlayOn(*g, 5, 1500);  // well into a game, with stones on the board

  const auto snapshot = std::make_unique<Game>(*g);
  const std::vector<std::string> first = PlayOn(*g, 6, 600);
  ASSERT_NE(StateDumpJson(*g), StateDumpJson(*snapshot)) << "the game did not move on";
  *g = *snapshot;
  const std::vector<std::string> again = PlayOn(*g, 6, 600);
  for (std::size_t t = 0; t < first.size(); ++t) {
    ASSERT_TRUE(again[t] == first[t]) << "the states part at tick " << t << " after the snapshot";
  }
}

}  // namespace
}  // namespace klumpix
