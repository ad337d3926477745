// Every tick's picture, not only the last: the recorded sessions in
// tests/replay and a long game of a restless hand are drawn tick by tick, and
// each picture's fingerprint must be the one recorded in
// tests/replay/pictures/NAME.txt, line N holding tick N-1's, so a failure
// names the first tick whose picture changed. `make replay-record` records
// them anew after a change meant to alter the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "app/driver.h"
#include "app/picture_loading.h"
#include "app/start_up.h"
#include "shell/assets.h"
#include "shell/frame.h"
#include "shell/game.h"
#include "shell/winners_storage.h"
#include "support/game_fixture.h"
#include "support/restless_hand.h"
#include "tick/tick.h"

namespace klumpix {
namespace {

// A 32-bit fingerprint of the whole back buffer, hashed in four independent
// lanes so that it costs little beside drawing the picture.
std::uint32_t PictureFingerprint(const Surface& screen) {
  std::uint64_t lane[4] = {1, 2, 3, 4};
  const auto* bytes = reinterpret_cast<const unsigned char*>(screen.pixels);
  static_assert(sizeof screen.pixels % 32 == 0);
  for (std::size_t i = 0; i < sizeof screen.pixels; i += 32) {
    for (int k = 0; k < 4; ++k) {
      std::uint64_t word;
      std::memcpy(&word, bytes + i + 8 * k, 8);
      // The rotation carries the high bits down, where later products spread them.
      lane[k] = (((lane[k] << 23) | (lane[k] >> 41)) ^ word) * 0x9E3779B97F4A7C15ull;
    }
  }
  std::uint64_t h = 0;
  for (const std::uint64_t l : lane) {
    h = (h ^ l) * 0xBF58476D1CE4E5B9ull;
    h ^= h >> 31;
  }
  return static_cast<std::uint32_t>(h ^ (h >> 32));
}

// The fingerprints of a run's pictures, one line per tick.
class PictureLog {
 public:
  void Add(const Surface& screen) {
    char line[16];
    std::snprintf(line, sizeof line, "%08" PRIx32 "\n", PictureFingerprint(screen));
    lines_ += line;
    ++ticks_;
  }
  const std::string& Lines() const { return lines_; }
  int Ticks() const { return ticks_; }

 private:
  std::string lines_;
  int ticks_ = 0;
};

// Draws every tick of a scripted run, as a window would.
class EveryPicture : public RunPlatform {
 public:
  bool WantsPicture(bool) override { return true; }
  void Present(Frame& frame) override { log.Add(frame.screen); }
  PictureLog log;
};

const PictureSet& Pictures() {
  static const PictureSet* set = [] {
    auto* s = new PictureSet;
    std::string error;
    EXPECT_TRUE(LoadPictures(KLUMPIX_TEST_RES_DIR, *s, error)) << error;
    return s;
  }();
  return *set;
}

// Under the sanitizers only the first ticks of each run are drawn and checked.
constexpr int kSanitizedTicks = 1000;

int TicksToRun(int ticks) {
  return testing::kSanitized ? std::min(ticks, kSanitizedTicks) : ticks;
}

std::string ReplaySession(const std::string& name) {
  Options options;
  options.input_path = std::string(KLUMPIX_TEST_REPLAY_DIR) + "/" + name + ".txt";
  InputScript script;
  auto g = std::make_unique<Game>();
  auto frame = std::make_unique<Frame>();
  EXPECT_EQ(PrepareRun(options, script, *g), 0) << name;
  WinnersInMemory winners;  // the starter table, as a session starts without groar.dat
  EveryPicture platform;
  Driver driver(*g, *frame, Pictures(), winners, platform);
  driver.FeedScript(script.events, nullptr);
  // As the headless run: through the last scripted event.
  driver.StopAt(TicksToRun(script.events.back().tick + 1));
  while (!driver.Ended()) driver.RunTick();
  return platform.log.Lines();
}

// A long game of a restless hand: many games, every screen, explosions.
std::string RestlessGame() {
  auto g = testing::NewGame();
  g->seed = 4242;
  FormCreate(*g);
  auto frame = std::make_unique<Frame>();
  WinnersInMemory winners;
  testing::RestlessHand hand(*g, 17);
  PictureLog log;
  for (int t = 0; t < TicksToRun(6000); ++t) {
    if (g->tick_count > kStartUpTick) hand.Act();
    DXTimer1Timer(*g, winners);
    DrawTick(*g, Pictures(), *frame);
    log.Add(frame->screen);
  }
  return log.Lines();
}

// "" when every picture of `got` is the recorded one, else the first tick
// whose picture changed. A shortened run checks the ticks it ran.
std::string FirstChangedPicture(const std::string& recorded, const std::string& got) {
  std::istringstream want_lines(recorded);
  std::istringstream got_lines(got);
  std::string want, line;
  for (int tick = 0; std::getline(got_lines, line); ++tick) {
    if (!std::getline(want_lines, want))
      return "tick " + std::to_string(tick) + " was not recorded";
    if (line != want) return "the picture of tick " + std::to_string(tick) + " changed";
  }
  if (!testing::kSanitized && std::getline(want_lines, want)) return "the run ended early";
  return "";
}

class ReplayPictures : public ::testing::TestWithParam<const char*> {};

TEST_P(ReplayPictures, EveryTickDrawsTheRecordedPicture) {
  const std::string name = GetParam();
  const std::string got = name == "restless_hand" ? RestlessGame() : ReplaySession(name);
  const std::filesystem::path file =
      std::filesystem::path(KLUMPIX_TEST_REPLAY_DIR) / "pictures" / (name + ".txt");
  if (std::getenv("KLUMPIX_REPLAY_RECORD") != nullptr) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << got;
    return;
  }
  std::ifstream in(file, std::ios::binary);
  ASSERT_TRUE(in) << file << " is missing";
  const std::string recorded((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
  EXPECT_EQ(FirstChangedPicture(recorded, got), "") << name;
}

INSTANTIATE_TEST_SUITE_P(Sessions, ReplayPictures,
                         ::testing::Values("board1", "board2", "board3", "board4", "board5",
                                           "board6", "board7", "board8", "name_entry", "screens",
                                           "restless_hand"));

}  // namespace
}  // namespace klumpix
