#include "app/headless.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/event_feed.h"
#include "app/input_script.h"
#include "app/options.h"
#include "app/start_up.h"
#include "app/state_dump.h"
#include "app/trace.h"
#include "core/bmp.h"
#include "play/invariants.h"
#include "shell/assets.h"
#include "shell/game.h"
#include "shell/sound.h"
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

}  // namespace

int RunHeadless(const Options& options) {
  InputScript script;
  auto g = std::make_unique<Game>();
  auto pictures = std::make_unique<PictureSet>();
  if (const int status = PrepareRun(options, script, *g); status != 0) return status;
  if (!LoadGamePictures(*g, *pictures)) return 1;

  EventFeed feed(script.events);
  std::vector<InputEvent> delivered;
  std::vector<InputEvent>* recording = options.record_path.empty() ? nullptr : &delivered;
  std::string trace;
  SilentSoundSink sink;
  const std::int32_t ticks = TickCount(options, script);
  for (std::int32_t t = 0; t < ticks; ++t) {
    feed.DeliverDue(*g, recording);
    const std::int32_t tick = g->tick_count;
    DXTimer1Timer(*g, sink);
    // Before the start-up tick there is no play state to check or trace.
    const bool started = tick >= kStartUpTick;
    if (options.check && started) {
      const std::string broken = CheckInvariants(*g);
      if (!broken.empty()) {
        std::fprintf(stderr, "tick %d: %s\n", tick, broken.c_str());
        return 3;
      }
    }
    if (!options.trace_path.empty() && started) AppendTraceLine(trace, *g, tick);
    if (g->quit_requested) break;
  }

  bool ok = true;
  if (!options.state_path.empty())
    ok = WriteOutputText(options.state_path, StateDumpJson(*g)) && ok;
  if (!options.trace_path.empty()) ok = WriteOutputText(options.trace_path, trace) && ok;
  if (!options.record_path.empty()) {
    ok = WriteOutputText(options.record_path,
                         FormatInputScript(g->seed, g->start_values, delivered)) &&
         ok;
  }
  if (!options.screenshot_path.empty()) {
    const std::vector<std::uint8_t> bmp = EncodeScreenshotBmp(g->screen);
    ok = WriteOutputFile(options.screenshot_path, bmp.data(), bmp.size()) && ok;
  }
  return ok ? 0 : 1;
}

}  // namespace klumpix
