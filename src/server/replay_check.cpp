#include "server/replay_check.h"

#include <time.h>

#include <memory>
#include <vector>

#include "app/event_feed.h"
#include "app/input_script.h"
#include "app/run_winners.h"
#include "app/start_up.h"
#include "shell/game.h"
#include "tick/tick.h"

namespace klumpix::server {

namespace {

// Reading the clock costs more than a few ticks; thousands of ticks take a
// few milliseconds, well inside any sensible limit.
constexpr std::int32_t kTicksPerClockLook = 4096;

double ThreadCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

ReplayVerdict Refused(std::string reason, std::int32_t ticks = 0) {
  ReplayVerdict verdict;
  verdict.reason = std::move(reason);
  verdict.ticks = ticks;
  return verdict;
}

// What a confirmed name entry put into the table.
struct Confirmed {
  bool seen = false;
  std::int32_t type = 0;
  std::int32_t score = 0;
  std::string name;
  std::int32_t tick = 0;  // the tick whose ENTER confirmed it
};

std::string Header(const InputScript& script, const ReplayLimits& limits) {
  if (script.version.empty()) return "the recording does not say which version made it";
  if (script.version != AcceptedVersion()) {
    return "the recording was made by version " + script.version + ", this server takes only " +
           AcceptedVersion();
  }
  if (!script.has_seed) return "the recording has no seed";
  if (!script.has_winners) return "the recording does not carry the winners table it began with";
  if (script.events.empty()) return "the recording holds no events";
  if (script.events.back().tick >= limits.max_ticks) {
    return "the recording is longer than " + std::to_string(limits.max_ticks) + " ticks";
  }
  return "";
}

}  // namespace

const char* AcceptedVersion() {
  return KLUMPIX_VERSION;
}

ReplayVerdict ReplayRecording(std::string_view recording, const ReplayLimits& limits) {
  if (recording.size() > limits.max_bytes) {
    return Refused("the recording is larger than " + std::to_string(limits.max_bytes) + " bytes");
  }
  InputScript script;
  std::string error;
  if (!ParseInputScript(recording, "recording", script, error)) {
    return Refused("the recording is not a game's recording: " + error);
  }
  if (std::string problem = Header(script, limits); !problem.empty()) return Refused(problem);

  RunWinners winners = OpenRunWinners(script, "");
  auto g = std::make_unique<Game>();
  const StartValues start = script.has_start ? script.start : kDefaultStartValues;
  StartGame(*g, script.seed, start);
  EventFeed feed(script.events);
  const std::int32_t end = script.events.back().tick + 1;
  const double cpu_start = ThreadCpuSeconds();
  Confirmed last;
  while (g->tick_count < end && !g->quit_requested) {
    if (g->tick_count % kTicksPerClockLook == 0 &&
        ThreadCpuSeconds() - cpu_start > limits.max_cpu_seconds) {
      return Refused(
          "the replay took more than " + std::to_string(limits.max_cpu_seconds) + " seconds",
          g->tick_count);
    }
    feed.DeliverDue(*g, nullptr);
    const bool in_entry = g->screen_mode == kModeNameEntry;
    const std::int32_t type = g->game_type;
    const std::int32_t score = g->score;
    const std::int32_t place = g->entry.winner_place;
    DXTimer1Timer(*g, *winners.storage);
    // ENTER leaves the name entry once the table is saved; the name is then
    // in the table at the entry's place.
    if (in_entry && g->screen_mode != kModeNameEntry && place >= 1 && place <= kPlaces) {
      last = {true, type, score, g->winner_name[type][place].c_str(), g->tick_count - 1};
    }
  }
  const std::int32_t ticks = g->tick_count;
  if (!last.seen) return Refused("the recording confirms no name entry", ticks);
  ReplayVerdict verdict;
  verdict.proven = true;
  verdict.ticks = ticks;
  verdict.game = {last.name, last.type, last.score};
  std::vector<InputEvent> played;
  for (const InputEvent& event : script.events) {
    if (event.tick <= last.tick) played.push_back(event);
  }
  verdict.proof = FormatInputScript(script.seed, start, played, winners.at_start);
  return verdict;
}

ReplayVerdict CheckRecording(std::string_view recording, const Claim& claim,
                             const ReplayLimits& limits) {
  ReplayVerdict verdict = ReplayRecording(recording, limits);
  if (!verdict.proven) return verdict;
  const Claim& game = verdict.game;
  if (game.type != claim.type) {
    return Refused("the recorded game is of type " + std::to_string(game.type), verdict.ticks);
  }
  if (game.score != claim.score) {
    return Refused("the recorded game scored " + std::to_string(game.score), verdict.ticks);
  }
  if (game.name != claim.name) return Refused("the recorded name is " + game.name, verdict.ticks);
  return verdict;
}

}  // namespace klumpix::server
