// How fast the game runs: whole ticks with their pictures, the busy game's
// step without its picture, and the three heaviest drawing passes on their own.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "bench/bench_games.h"
#include "board/board.h"
#include "shell/assets.h"
#include "shell/game.h"
#include "shell/mouse.h"
#include "shell/sound.h"
#include "shell/winners_storage.h"
#include "tests/support/paint_alone.h"
#include "text/text_layer.h"
#include "tick/object_update.h"
#include "tick/tick.h"
#include "world/floor.h"
#include "world/renderer.h"

namespace klumpix {
namespace {

using bench::BenchFrame;
using bench::Pictures;
using bench::StartedGame;

// A timer tick and its picture.
void TickAndDraw(Game& g, WinnersStorage& winners) {
  DXTimer1Timer(g, winners);
  DrawTick(g, Pictures(), BenchFrame());
}

void BM_TickStartupBoard(benchmark::State& state) {
  auto g = StartedGame(3);
  WinnersInMemory winners;
  for (auto _ : state) TickAndDraw(*g, winners);
  state.counters["ticks_per_s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TickStartupBoard);

void BM_TickHelpScreen(benchmark::State& state) {
  auto g = StartedGame(3);
  g->screen_mode = kModeHelp;
  WinnersInMemory winners;
  for (auto _ : state) TickAndDraw(*g, winners);
  state.counters["ticks_per_s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TickHelpScreen);

// A busy game on the tall board: about 150 stones, a bot taking rows and
// dropping them, explosions every few ticks.
void BM_TickBusyGame(benchmark::State& state) {
  auto g = bench::BusyGame(4, 300);
  std::int64_t stones = 0;
  std::int64_t explosion_ticks = 0;
  for (auto _ : state) {
    const std::int32_t before = g->explosion_count;
    bench::BusyTick(*g);
    explosion_ticks += g->explosion_count > before;
    for (int s = 1; s <= kSlotCount; ++s) {
      stones +=
          g->obj.alive[s] > 0 && g->obj.kind[s] == kKindPiece && g->obj.image[s] == kImageStone;
    }
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["ticks_per_s"] = benchmark::Counter(n, benchmark::Counter::kIsRate);
  state.counters["stones_avg"] = static_cast<double>(stones) / n;
  state.counters["explosion_ticks"] = static_cast<double>(explosion_ticks);
}
BENCHMARK(BM_TickBusyGame);

// The same busy game stepped without drawing, as a fast replay steps it.
void BM_StepBusyGame(benchmark::State& state) {
  auto g = bench::BusyGame(4, 300);
  for (auto _ : state) bench::BusyStep(*g);
  state.counters["ticks_per_s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_StepBusyGame);

void BM_FloorPassFiftyLights(benchmark::State& state) {
  auto g = StartedGame(3);
  g->lights.light_count = 0;
  for (int i = 0; i < kMaxLights; ++i)
    AddLight(*g, static_cast<std::int16_t>(30 + 11 * i), static_cast<std::int16_t>(40 + 10 * i),
             0.5);
  Frame& frame = BenchFrame();
  for (auto _ : state) testing::PaintAlone(frame, [&] { DrawFloor(*g, Pictures(), frame); });
}
BENCHMARK(BM_FloorPassFiftyLights);

void BM_DepthSort900Objects(benchmark::State& state) {
  auto g = StartedGame(3);
  Pcg32 rng;
  rng.Seed(3, 0);
  for (int s = 1; s <= kSlotCount; ++s) {
    g->obj.alive[s] = 1;
    g->obj.x[s] = static_cast<std::int16_t>(rng.Random(800));
    g->obj.depth[s] = static_cast<std::int16_t>(80 + rng.Random(25));
  }
  DrawList list;
  for (auto _ : state) BuildDrawList(*g, list);
}
BENCHMARK(BM_DepthSort900Objects);

void BM_DrawTextLayer10000Cells(benchmark::State& state) {
  auto g = StartedGame(3);
  ClearTextLayer(*g);
  const char* line = "DIE STEINE HABEN UNTERSCHIEDLICHE FARBEN. 0123456789";
  const std::int16_t fonts[] = {1, 6, 7, 2, 4, 3};
  for (int i = 0; g->text.text_cell_count < kTextCellCount; ++i) {
    const std::int16_t font = fonts[i % 6];
    WriteText(*g, static_cast<std::int16_t>(10 + (i % 7) * 3),
              static_cast<std::int16_t>((i * 7) % 560), font,
              static_cast<std::int16_t>(font == 2 && i % 2 ? 128 : 0), line);
  }
  Frame& frame = BenchFrame();
  for (auto _ : state) testing::PaintAlone(frame, [&] { DrawTextLayer(*g, Pictures(), frame); });
}
BENCHMARK(BM_DrawTextLayer10000Cells);

}  // namespace
}  // namespace klumpix

BENCHMARK_MAIN();
