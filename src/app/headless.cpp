#include "app/headless.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/driver.h"
#include "app/input_script.h"
#include "app/options.h"
#include "app/recording_stream.h"
#include "app/run_winners.h"
#include "app/start_up.h"
#include "app/state_dump.h"
#include "app/trace.h"
#include "core/bmp.h"
#include "play/invariants.h"
#include "shell/assets.h"
#include "shell/frame.h"
#include "shell/game.h"
#include "tick/tick.h"

namespace klumpix {

namespace {

// Without --ticks: through the start-up tick and every scripted event.
std::int32_t TickCount(const Options& options, const InputScript& script) {
  if (options.has_ticks) return options.ticks;
  std::int32_t ticks = kStartUpTick + 1;
  if (!script.events.empty()) ticks = std::max(ticks, script.events.back().tick + 1);
  return ticks;
}

bool WriteOutputText(const std::string& path, const std::string& text) {
  return WriteOutputFile(path, text.data(), text.size());
}

// No window and no sound: the picture is drawn only when a screenshot asks
// for the last one, and every tick may be checked and traced.
class HeadlessPlatform : public RunPlatform {
 public:
  explicit HeadlessPlatform(const Options& options) : options_(options) {}

  bool WantsPicture(bool last) override { return last && !options_.screenshot_path.empty(); }

  int AfterTick(Game& g, std::int32_t tick) override {
    // Before the start-up tick there is no play state to check or trace.
    if (tick < kStartUpTick) return -1;
    if (options_.check) {
      const std::string broken = CheckInvariants(g);
      if (!broken.empty()) {
        std::fprintf(stderr, "tick %d: %s\n", tick, broken.c_str());
        return 3;
      }
    }
    if (!options_.trace_path.empty()) AppendTraceLine(trace, g, tick);
    return -1;
  }

  std::string trace;

 private:
  const Options& options_;
};

}  // namespace

int RunHeadless(const Options& options) {
  InputScript script;
  auto g = std::make_unique<Game>();
  auto frame = std::make_unique<Frame>();
  auto pictures = std::make_unique<PictureSet>();
  if (const int status = PrepareRun(options, script, *g); status != 0) return status;
  if (!LoadGamePictures(*pictures)) return 1;

  RunWinners winners = OpenRunWinners(script, "groar.dat");
  RecordingStream recording;
  if (options.record) {
    std::string error;
    if (!recording.Open(options.record_path, g->seed, g->start_values, winners.at_start, error)) {
      std::fprintf(stderr, "klumpix: %s\n", error.c_str());
      return 2;
    }
  }
  HeadlessPlatform platform(options);
  std::vector<InputEvent> delivered;
  Driver driver(*g, *frame, *pictures, *winners.storage, platform);
  driver.FeedScript(script.events, options.record ? &delivered : nullptr);
  driver.StopAt(TickCount(options, script));
  while (!driver.Ended()) driver.RunTick();
  // What was played is kept however the run ended.
  bool ok = !options.record || recording.Flush(delivered);
  if (driver.ExitStatus() != 0) return driver.ExitStatus();

  if (!options.state_path.empty())
    ok = WriteOutputText(options.state_path, StateDumpJson(*g)) && ok;
  if (!options.trace_path.empty()) ok = WriteOutputText(options.trace_path, platform.trace) && ok;
  if (!options.screenshot_path.empty()) {
    // A run that ended before its first tick has drawn nothing: a black picture.
    const std::vector<std::uint8_t> bmp = EncodeScreenshotBmp(frame->screen);
    ok = WriteOutputFile(options.screenshot_path, bmp.data(), bmp.size()) && ok;
  }
  return ok ? 0 : 1;
}

}  // namespace klumpix
