// Watching an hour of busy play: how large its recording is, how long
// opening it takes (every tick stepped once), how fast it fast-forwards, and
// how long the slowest seek takes.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "app/event_feed.h"
#include "app/input_script.h"
#include "app/start_up.h"
#include "app/watched_game.h"
#include "bench_games.h"
#include "core/pcg32.h"
#include "play/targets.h"
#include "shell/object_map.h"
#include "tick/tick.h"

namespace klumpix {
namespace {

constexpr std::int32_t kHourTicks = 3600 * 1000 / 33;

// A player who never rests: START, then a full store row and a drop field
// in turn, every few ticks; ENTER on the name entry.
class SteadyPlayer {
 public:
  explicit SteadyPlayer(std::vector<InputEvent>& events) : events_(events) { dice_.Seed(5, 3); }

  void Act(Game& g) {
    if (g.tick_count < kStartUpTick + 2 || g.tick_count % 5 != 0) return;
    int x = 0, y = 0;
    if (!Target(g, x, y)) return;
    Deliver(g, {g.tick_count, InputKind::kMove, x, y});
    Deliver(g, {g.tick_count, InputKind::kDown});
    Deliver(g, {g.tick_count, InputKind::kClick});
    Deliver(g, {g.tick_count, InputKind::kUp});
  }

 private:
  bool Target(const Game& g, int& x, int& y) {
    int slot = 0;
    if (g.screen_mode == kModeNameEntry) {
      slot = kSlotEnter;
    } else if (!g.game_running || g.game_over) {
      slot = kSlotStart;
    } else if (g.stone_store.carried[1] == 0) {
      for (int r = 1; r <= kStoreRows; ++r) {
        if (StoreRowFull(g, r)) {
          x = StoreRowX(r);
          y = 130;
          return true;
        }
      }
      return false;
    } else {
      const int start = static_cast<int>(dice_.Random(kSlotCount));
      for (int i = 0; i < kSlotCount && slot == 0; ++i) {
        const int s = (start + i) % kSlotCount + 1;
        if (IsDropField(g, s)) slot = s;
      }
    }
    if (slot == 0) return false;
    x = g.obj.x[slot];
    y = g.obj.y[slot];
    return true;
  }

  void Deliver(Game& g, InputEvent e) {
    DeliverInputEvent(g, e);
    events_.push_back(e);
  }

  std::vector<InputEvent>& events_;
  Pcg32 dice_;
};

// The recording of an hour's play, made once.
const std::string& HourRecording() {
  static const std::string text = [] {
    auto g = std::make_unique<Game>();
    StartGame(*g, 2026, kDefaultStartValues);
    WinnersInMemory winners;
    std::vector<InputEvent> events;
    SteadyPlayer player(events);
    while (g->tick_count < kHourTicks) {
      player.Act(*g);
      DXTimer1Timer(*g, winners);
    }
    return FormatInputScript(2026, kDefaultStartValues, events);
  }();
  return text;
}

std::unique_ptr<WatchedGame> OpenHour() {
  InputScript script;
  std::string error;
  ParseInputScript(HourRecording(), "hour", script, error);
  auto watched = std::make_unique<WatchedGame>();
  watched->Open(script, error);
  return watched;
}

void BM_WatchOpenHour(benchmark::State& state) {
  state.counters["recording_bytes"] = static_cast<double>(HourRecording().size());
  for (auto _ : state) benchmark::DoNotOptimize(OpenHour());
}
BENCHMARK(BM_WatchOpenHour)->Unit(benchmark::kMillisecond)->Iterations(1);

// The slowest seek: back to the tick just before a copy, from the end.
void BM_WatchSeekBackInHour(benchmark::State& state) {
  auto watched = OpenHour();
  const std::int32_t target = 100 * watched->SnapshotInterval() - 1;
  for (auto _ : state) {
    watched->SeekTo(watched->EndTick());
    watched->SeekTo(target);
    benchmark::DoNotOptimize(watched->Now());
  }
  state.counters["ticks_stepped"] = watched->SnapshotInterval() - 1;
}
BENCHMARK(BM_WatchSeekBackInHour)->Unit(benchmark::kMillisecond);

// 16x as the window plays it: sixteen ticks stepped, the last one drawn.
void BM_WatchSixteenTimes(benchmark::State& state) {
  auto watched = OpenHour();
  watched->SeekTo(watched->EndTick() / 2);
  std::int64_t ticks = 0;
  for (auto _ : state) {
    if (watched->EndTick() - watched->Now() < 16) watched->SeekTo(watched->EndTick() / 2);
    for (int k = 0; k < 16; ++k) watched->Step();
    DrawTick(watched->game(), bench::Pictures(), bench::BenchFrame());
    ticks += 16;
  }
  state.counters["ticks_per_s"] =
      benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WatchSixteenTimes);

}  // namespace
}  // namespace klumpix
