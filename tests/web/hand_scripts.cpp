// Writes input scripts of the soak's restless hand: each one the game the
// hand plays from its seed, through the same loop a headless run takes, so
// that `klumpix --headless --input SCRIPT` plays that game again.
// usage: klumpix_hand_scripts DIR COUNT TICKS [FIRST_SEED]
//   writes DIR/hand_SEED.txt for COUNT seeds from FIRST_SEED (default 1),
//   each at most TICKS ticks long (less when the hand quits the game).
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/driver.h"
#include "app/input_script.h"
#include "app/options.h"
#include "app/start_up.h"
#include "core/file_io.h"
#include "shell/assets.h"
#include "shell/frame.h"
#include "shell/game.h"
#include "shell/winners_storage.h"
#include "support/restless_hand.h"
#include "tick/tick.h"

namespace klumpix {
namespace {

// The hand acts where a script's events are delivered: just before a tick.
// Nothing is drawn; the state does not depend on the picture.
class HandPlatform : public RunPlatform {
 public:
  HandPlatform(Game& g, std::uint64_t seed, std::vector<InputEvent>& played)
      : g_(g), hand_(g, seed * 7919 + 1, &played) {}

  void BeforeTick() override {
    if (g_.tick_count >= kStartUpTick) hand_.Act();
  }
  bool WantsPicture(bool) override { return false; }

 private:
  Game& g_;
  testing::RestlessHand hand_;
};

// The hand's game from `seed`: its script text. The game starts on the
// starter winners table, as a run does where there is no groar.dat.
std::string HandScript(std::uint64_t seed, std::int32_t ticks) {
  auto g = std::make_unique<Game>();
  auto frame = std::make_unique<Frame>();
  auto pictures = std::make_unique<PictureSet>();
  WinnersInMemory winners;
  StartGame(*g, seed, kDefaultStartValues);
  std::vector<InputEvent> played;
  HandPlatform platform(*g, seed, played);
  Driver driver(*g, *frame, *pictures, winners, platform);
  driver.StopAt(ticks);
  while (!driver.Ended()) driver.RunTick();
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
