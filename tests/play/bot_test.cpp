// The restless hand plays every game type for a long time, the play state
// checked after every tick; a game that ends is set up afresh.
#include <gtest/gtest.h>

#include <cstdint>
#include <iostream>

#include "play/invariants.h"
#include "play_fixture.h"
#include "support/restless_hand.h"
#include "tick/tick.h"
#include "world/objects.h"

namespace klumpix {
namespace {

constexpr int kBotTicks = testing::kSanitized ? 20000 : 100000;

TEST(BotPlay, EveryGameTypeStaysConsistentThroughAHundredThousandTicks) {
  for (int type = 1; type <= kGameTypes; ++type) {
    auto g = testing::RunningGame(type);
    g->rng.Seed(1000 + static_cast<std::uint64_t>(type), 0);
    testing::RestlessHand hand(*g, 77u + static_cast<std::uint64_t>(type));
    std::int32_t best = 0;
    int games = 1;
    for (int t = 0; t < kBotTicks; ++t) {
      if (g->game_over || g->screen_mode != kModePlay) {
        best = std::max(best, g->score);
        g->screen_mode = kModePlay;
        BuildBoard(*g);
        g->game_running = true;
        ++games;
      }
      hand.Act();
      testing::Tick(*g);
      const std::string problem = CheckInvariants(*g);
      ASSERT_EQ(problem, "") << "game type " << type << ", tick " << t;
    }
    best = std::max(best, g->score);
    std::cout << "[ bot      ] game type " << type << ": " << games << " games, best score " << best
              << "\n";
    EXPECT_GT(best, 0);
  }
}

}  // namespace
}  // namespace klumpix
