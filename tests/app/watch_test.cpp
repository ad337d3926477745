// Watching recordings: a seek anywhere lands on the state that playing
// through reaches, and the best game of a board is kept when, and only
// when, a played game takes its first place.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/best_games.h"
#include "app/driver.h"
#include "app/input_script.h"
#include "app/picture_loading.h"
#include "app/run_winners.h"
#include "app/start_up.h"
#include "app/state_dump.h"
#include "app/watch_controls.h"
#include "app/watched_game.h"
#include "screens/winners.h"
#include "shell/assets.h"
#include "shell/frame.h"
#include "support/temp_dir.h"

namespace klumpix {
namespace {

InputScript LoadReplay(const std::string& name) {
  InputScript script;
  std::string error;
  EXPECT_TRUE(LoadInputScript(std::string(KLUMPIX_TEST_REPLAY_DIR) + "/" + name, script, error))
      << error;
  return script;
}

TEST(WatchedGame, ASeekAnywhereLandsWherePlayingThroughDoes) {
  const InputScript script = LoadReplay("board3.txt");
  auto through = std::make_unique<WatchedGame>();
  auto seeking = std::make_unique<WatchedGame>();
  std::string error;
  ASSERT_TRUE(through->Open(script, error)) << error;
  ASSERT_TRUE(seeking->Open(script, error)) << error;
  ASSERT_GT(through->EndTick(), 3 * through->SnapshotInterval());
  EXPECT_EQ(through->EndTick(), script.events.back().tick + kWatchTailTicks);

  // Back and forth across copies, onto a copy's own tick, and to both ends.
  const std::int32_t interval = through->SnapshotInterval();
  const std::int32_t targets[] = {through->EndTick(), 2 * interval + 17,       5,
                                  2 * interval,       through->EndTick() - 40, 0};
  for (const std::int32_t target : targets) {
    seeking->SeekTo(target);
    ASSERT_EQ(seeking->Now(), target);
    auto fresh = std::make_unique<WatchedGame>();
    ASSERT_TRUE(fresh->Open(script, error));
    while (fresh->Now() < target) fresh->Step();
    EXPECT_EQ(StateDumpJson(seeking->game()), StateDumpJson(fresh->game())) << "at " << target;
  }
}

// The controls are drawn over the game's picture each time afresh: a frame
// that has shown them for many ticks holds what a new frame shows.
TEST(WatchControls, TheControlsLieOnceOverEachPicture) {
  auto pictures = std::make_unique<PictureSet>();
  std::string error;
  ASSERT_TRUE(LoadPictures(KLUMPIX_TEST_RES_DIR, *pictures, error)) << error;
  auto watched = std::make_unique<WatchedGame>();
  ASSERT_TRUE(watched->Open(LoadReplay("board3.txt"), error)) << error;
  WatchControls controls(*watched);
  auto shown = std::make_unique<Frame>();
  const auto same_as_fresh = [&] {
    auto fresh = std::make_unique<Frame>();
    controls.Draw(*pictures, *fresh);
    return std::equal(std::begin(shown->screen.pixels), std::end(shown->screen.pixels),
                      std::begin(fresh->screen.pixels));
  };
  for (int period = 0; period < 300; ++period) {
    controls.Period(nullptr);
    controls.Draw(*pictures, *shown);
  }
  EXPECT_TRUE(same_as_fresh());
  controls.Key(WatchKey::kEnd);
  for (int period = 0; period < 3; ++period) controls.Draw(*pictures, *shown);
  EXPECT_TRUE(same_as_fresh()) << "the end's buttons";
  controls.Press(590, 586);  // on the progress bar, near its end
  controls.Draw(*pictures, *shown);
  EXPECT_TRUE(same_as_fresh()) << "the buttons gone again";
}

// The name entry recording, played on a table it beats or does not beat,
// through the window's way of keeping best games.
struct PlayedSession {
  std::int32_t kept_type = 0;
  std::string kept;
  std::unique_ptr<Game> game = std::make_unique<Game>();
};

PlayedSession PlayNameEntry(std::int32_t first_place_score) {
  InputScript script = LoadReplay("name_entry.txt");
  std::vector<WinnerEntry> table;
  for (int t = 1; t <= kGameTypes; ++t) table.push_back({t, 1, first_place_score, "BEST"});
  WinnersInMemory winners;
  unsigned char bytes[kWinnersFileSize];
  TableOfEntries(table, bytes);
  winners.Save(bytes, sizeof bytes);

  PlayedSession s;
  StartGame(*s.game, script.seed, script.start);
  FirstPlaceNotice notice(winners, *s.game);
  BestGameKeeper keeper(script.seed, script.start, EntriesOfTable(bytes, sizeof bytes));
  class Keeping : public RunPlatform {
   public:
    Keeping(PlayedSession& s, FirstPlaceNotice& notice, BestGameKeeper& keeper,
            const std::vector<InputEvent>& events)
        : s_(s), notice_(notice), keeper_(keeper), events_(events) {}
    bool WantsPicture(bool) override { return false; }
    int AfterTick(Game& g, std::int32_t tick) override {
      std::int32_t type = 0;
      std::string text;
      if (keeper_.AfterTick(g, tick, notice_, events_, type, text)) {
        s_.kept_type = type;
        s_.kept = text;
      }
      return -1;
    }

   private:
    PlayedSession& s_;
    FirstPlaceNotice& notice_;
    BestGameKeeper& keeper_;
    const std::vector<InputEvent>& events_;
  };
  std::vector<InputEvent> events;
  Keeping platform(s, notice, keeper, events);
  auto frame = std::make_unique<Frame>();
  auto pictures = std::make_unique<PictureSet>();
  Driver driver(*s.game, *frame, *pictures, notice, platform);
  driver.FeedScript(script.events, &events);
  driver.StopAt(script.events.back().tick + 1);
  while (!driver.Ended()) driver.RunTick();
  return s;
}

TEST(BestGames, AFirstPlaceKeepsTheGameWhichWatchesToTheSameTable) {
  const PlayedSession played = PlayNameEntry(100);
  ASSERT_EQ(played.kept_type, played.game->game_type);
  const std::int32_t type = played.kept_type;
  ASSERT_STRNE(played.game->winner_name[type][1].c_str(), "BEST");

  testing::TempDir dir;
  ASSERT_TRUE(KeepBestGame(dir.path().string(), type, played.kept));
  InputScript kept;
  ASSERT_TRUE(LoadBestGame(dir.path().string(), type, kept));
  // Watching starts with the game that took the place, not the session's start.
  EXPECT_GT(kept.from_tick, kStartUpTick);

  auto watched = std::make_unique<WatchedGame>();
  std::string error;
  ASSERT_TRUE(watched->Open(kept, error)) << error;
  EXPECT_EQ(watched->Now(), kept.from_tick);
  EXPECT_FALSE(watched->game().game_running);
  watched->SeekTo(watched->EndTick());
  EXPECT_STREQ(watched->game().winner_name[type][1].c_str(),
               played.game->winner_name[type][1].c_str());
  EXPECT_EQ(watched->game().winner_score[type][1], played.game->winner_score[type][1]);
}

TEST(BestGames, ALowerPlaceKeepsNothingAndADamagedKeptGameIsSkipped) {
  EXPECT_EQ(PlayNameEntry(9000).kept_type, 0);

  testing::TempDir dir;
  InputScript script;
  EXPECT_FALSE(LoadBestGame(dir.path().string(), 2, script));  // none kept
  std::filesystem::create_directory(dir.path() / "best");
  std::ofstream(BestGamePath(dir.path().string(), 2)) << "seed 1\n12 jump 3\n";
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(LoadBestGame(dir.path().string(), 2, script));
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("type2.txt:2"), std::string::npos);
  std::filesystem::create_directory(BestGamePath(dir.path().string(), 3));  // a folder in its place
  EXPECT_FALSE(LoadBestGame(dir.path().string(), 3, script));
}

}  // namespace
}  // namespace klumpix
