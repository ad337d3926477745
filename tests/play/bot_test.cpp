// A tireless player: takes rows, exchanges them now and then, and drops the
// stones on random drop fields, on every game type, checking the play state
// after every tick.
#include <gtest/gtest.h>

#include <cstdint>
#include <iostream>
#include <vector>

#include "play/invariants.h"
#include "play_fixture.h"
#include "tick/tick.h"
#include "world/objects.h"

namespace klumpix {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kBotTicks = 20000;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr int kBotTicks = 20000;
#else
constexpr int kBotTicks = 100000;
#endif
#else
constexpr int kBotTicks = 100000;
#endif

// The bot's own dice, so its moves do not disturb the game's generator.
class BotDice {
 public:
  explicit BotDice(std::uint32_t seed) : state_(seed) {}
  int Roll(int n) {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<int>(state_ % static_cast<std::uint32_t>(n));
  }

 private:
  std::uint32_t state_;
};

// The timer tick with its drawing left out. Without pictures nothing would be
// drawn anyway, but clearing and sorting for the picture costs most of a
// tick's time; the first ticks of every run go through the real timer tick.
void TickWithoutDrawing(Game& g) {
  RunGameStep(g);
  SilentSoundSink sink;
  if (g.sound_on) PlaySounds(g, sink);
  ClearSoundRequests(g);
  ++g.tick_count;
}

constexpr int kFullTicks = 2000;

class Bot {
 public:
  Bot(Game& g, std::uint32_t seed) : g_(g), dice_(seed) {}

  // Chooses what the hand does before the next tick.
  void Move() {
    if (hold_ > 0) {
      --hold_;
      return;
    }
    g_.left_button_down = false;
    if (rest_ > 0) {
      --rest_;
      return;
    }
    if (g_.carried[1] == 0) {
      const int row = RandomFullRow();
      if (row != 0) Press(30 * row + 120, 100 + dice_.Roll(95), 0);
      rest_ = dice_.Roll(3);
      return;
    }
    const int choice = dice_.Roll(20);
    if (choice == 0) {
      const int row = RandomFullRow();
      if (row != 0) Press(30 * row + 120, 130, dice_.Roll(4));
    } else if (choice == 1) {
      rest_ = dice_.Roll(30);
    } else {
      const std::vector<std::int16_t> drops = DropFields();
      const std::int16_t d = drops[static_cast<std::size_t>(dice_.Roll(static_cast<int>(drops.size())))];
      Press(g_.obj.x[d] + dice_.Roll(9) - 4, g_.obj.y[d] + dice_.Roll(9) - 4, dice_.Roll(6));
    }
  }

 private:
  void Press(int x, int y, int extra_ticks) {
    g_.mouse_x = x;
    g_.mouse_y = y;
    g_.left_button_down = true;
    hold_ = extra_ticks;
  }

  int RandomFullRow() {
    int rows[kStoreRows];
    int n = 0;
    for (int r = 1; r <= kStoreRows; ++r) {
      if (g_.store[r][1] > 0) rows[n++] = r;
    }
    return n == 0 ? 0 : rows[dice_.Roll(n)];
  }

  std::vector<std::int16_t> DropFields() const {
    std::vector<std::int16_t> out;
    for (int s = 1; s <= kSlotCount; ++s) {
      if (IsPlayfieldCell(g_, s) && (g_.obj.variant[s] == 7 || g_.obj.variant[s] == 8)) {
        out.push_back(static_cast<std::int16_t>(s));
      }
    }
    return out;
  }

  Game& g_;
  BotDice dice_;
  int hold_ = 0;
  int rest_ = 0;
};

TEST(BotPlay, EveryGameTypeStaysConsistentThroughAHundredThousandTicks) {
  for (int type = 1; type <= kGameTypes; ++type) {
    auto g = testing::RunningGame(type);
    g->rng.Seed(1000 + static_cast<std::uint64_t>(type), 0);
    Bot bot(*g, 77u + static_cast<std::uint32_t>(type));
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
      bot.Move();
      if (t < kFullTicks) {
        testing::Tick(*g);
      } else {
        TickWithoutDrawing(*g);
      }
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
