// The soak: a restless hand plays through every screen and game type for a
// long time, through the real timer tick, with the play state checked after
// every tick. SOAK_TICKS sets the length (`make soak` runs a million).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "app/picture_loading.h"
#include "app/start_up.h"
#include "app/winners_file.h"
#include "play/invariants.h"
#include "shell/assets.h"
#include "shell/frame.h"
#include "shell/game.h"
#include "shell/sound.h"
#include "support/restless_hand.h"
#include "support/temp_dir.h"
#include "tick/tick.h"

namespace klumpix {
namespace {

std::int64_t SoakTicks() {
  if (const char* env = std::getenv("SOAK_TICKS")) return std::atoll(env);
  return testing::kSanitized ? 20000 : 100000;
}

// What the hand got done, so a soak that only wandered shows up.
struct SoakCounts {
  std::int64_t ticks = 0;
  std::int64_t starts = 0;  // games started with START
  std::int64_t rows_taken = 0;
  std::int64_t stones_placed = 0;
  std::int64_t games_over = 0;
  std::int64_t name_entries = 0;
  std::int64_t quits = 0;  // JA pressed; the program starts again
  bool mode_seen[kModeNameEntry + 1] = {};
  bool type_seen[kGameTypes + 1] = {};
};

class Soak {
 public:
  Soak(const std::string& winners_path, const PictureSet* pictures, std::uint64_t seed)
      : winners_(winners_path),
        pictures_(pictures),
        seed_(seed),
        g_(std::make_unique<Game>()),
        frame_(std::make_unique<Frame>()),
        hand_(*g_, seed * 7919 + 1) {
    Start();
  }

  // Runs `ticks` timer ticks; the first broken invariant, or "".
  std::string Run(std::int64_t ticks, SoakCounts& counts) {
    Game& g = *g_;
    for (std::int64_t t = 0; t < ticks; ++t) {
      if (g.tick_count >= kStartUpTick) hand_.Act();
      const Snapshot before = Take(g);
      const std::int32_t tick = g.tick_count;
      DXTimer1Timer(g, winners_);
      if (pictures_ != nullptr) DrawTick(g, *pictures_, *frame_);
      ++counts.ticks;
      if (tick < kStartUpTick) continue;
      const std::string broken = CheckInvariants(g);
      if (!broken.empty())
        return "tick " + std::to_string(tick) + " of run " + std::to_string(runs_) + ": " + broken;
      Count(before, g, counts);
      if (g.quit_requested) {
        ++counts.quits;
        Start();
      }
    }
    return "";
  }

 private:
  struct Snapshot {
    bool running, over, carrying;
    std::int32_t mode, stones;
  };

  static Snapshot Take(const Game& g) {
    return {g.game_running, g.game_over, g.stone_store.carried[1] != 0, g.screen_mode,
            g.stones_placed};
  }

  static void Count(const Snapshot& before, const Game& g, SoakCounts& counts) {
    if (g.game_running && !g.game_over && (!before.running || before.over)) {
      ++counts.starts;
      counts.type_seen[g.game_type] = true;
    }
    if (!before.carrying && g.stone_store.carried[1] != 0) ++counts.rows_taken;
    if (g.stones_placed > before.stones) counts.stones_placed += g.stones_placed - before.stones;
    if (g.game_over && !before.over) ++counts.games_over;
    if (g.screen_mode == kModeNameEntry && before.mode != kModeNameEntry) ++counts.name_entries;
    if (g.screen_mode >= kModePlay && g.screen_mode <= kModeNameEntry)
      counts.mode_seen[g.screen_mode] = true;
  }

  // As the program starts: fresh state, the winners file, pictures if any.
  void Start() {
    Game& g = *g_;
    ResetGame(g);
    g.seed = seed_ + static_cast<std::uint64_t>(runs_++);
    FormCreate(g);
  }

  WinnersFile winners_;
  const PictureSet* pictures_;
  std::uint64_t seed_;
  std::unique_ptr<Game> g_;
  std::unique_ptr<Frame> frame_;
  testing::RestlessHand hand_;
  int runs_ = 0;
};

class SoakTest : public ::testing::Test {
 protected:
  std::string WinnersPath() const { return (dir_.path() / "groar.dat").string(); }

 private:
  testing::TempDir dir_;
};

TEST_F(SoakTest, RestlessHandKeepsThePlayStateConsistentOnEveryScreen) {
  const std::int64_t total = SoakTicks();
  // A twentieth with the real pictures, so the drawing is soaked too; the
  // rest without, where a tick costs a fraction of the time.
  const std::int64_t drawn = total / 20;
  auto pictures = std::make_unique<PictureSet>();
  std::string error;
  ASSERT_TRUE(LoadPictures(KLUMPIX_TEST_RES_DIR, *pictures, error)) << error;

  SoakCounts counts;
  Soak with_pictures(WinnersPath(), pictures.get(), 4242);
  ASSERT_EQ(with_pictures.Run(drawn, counts), "") << "with pictures";
  Soak without_pictures(WinnersPath(), nullptr, 777);
  ASSERT_EQ(without_pictures.Run(total - drawn, counts), "") << "without pictures";

  std::cout << "[ soak     ] " << counts.ticks << " ticks, " << counts.starts << " games started, "
            << counts.rows_taken << " rows taken, " << counts.stones_placed << " stones placed, "
            << counts.games_over << " games over, " << counts.name_entries << " name entries, "
            << counts.quits << " quits\n";
  // The hand must have played, not only wandered.
  EXPECT_GT(counts.starts, 0);
  EXPECT_GT(counts.rows_taken, 0);
  EXPECT_GT(counts.stones_placed, 0);
  EXPECT_GT(counts.games_over, 0);
  // A shorter soak (under the sanitizers) plays too few games to reach
  // every screen and board.
  if (total < 100000) return;
  for (int mode = kModePlay; mode <= kModeNameEntry; ++mode) {
    EXPECT_TRUE(counts.mode_seen[mode]) << "screen mode " << mode << " never shown";
  }
  int types = 0;
  for (int t = 1; t <= kGameTypes; ++t) types += counts.type_seen[t] ? 1 : 0;
  EXPECT_GE(types, 4) << "games started on only " << types << " game types";
}

}  // namespace
}  // namespace klumpix
