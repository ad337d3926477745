// How fast the game runs headless: whole ticks with drawing, and the three
// heaviest drawing passes on their own.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "board/board.h"
#include "play/object_update.h"
#include "screens/text_layer.h"
#include "shell/assets.h"
#include "shell/game.h"
#include "shell/mouse.h"
#include "shell/sound.h"
#include "shell/tick.h"
#include "world/floor.h"
#include "world/renderer.h"

namespace klumpix {
namespace {

const PictureSet& Pictures() {
  static PictureSet* set = [] {
    auto* s = new PictureSet;
    std::string error;
    if (!LoadPictures(KLUMPIX_BENCH_RES_DIR, *s, error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      std::exit(1);
    }
    return s;
  }();
  return *set;
}

// A game past its start-up tick, on the given screen and game type.
std::unique_ptr<Game> StartedGame(int game_type) {
  auto g = std::make_unique<Game>();
  ResetGame(*g);
  g->seed = 12345;
  AttachPictures(*g, Pictures());
  FormCreate(*g);
  SilentSoundSink sink;
  for (int i = 0; i <= 10; ++i) DXTimer1Timer(*g, sink);
  std::snprintf(g->winners_path, sizeof g->winners_path, "/nonexistent/groar.dat");
  if (game_type != g->game_type) {
    g->game_type = game_type;
    BuildBoard(*g);
  }
  return g;
}

void BM_TickStartupBoard(benchmark::State& state) {
  auto g = StartedGame(3);
  SilentSoundSink sink;
  for (auto _ : state) DXTimer1Timer(*g, sink);
  state.counters["ticks_per_s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                     benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TickStartupBoard);

void BM_TickHelpScreen(benchmark::State& state) {
  auto g = StartedGame(3);
  g->screen_mode = kModeHelp;
  SilentSoundSink sink;
  for (auto _ : state) DXTimer1Timer(*g, sink);
  state.counters["ticks_per_s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                     benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TickHelpScreen);

// A busy game on the tall board: a bot keeps taking store rows and dropping
// them on drop fields, so stones fall and explode all the time.
void BM_TickBusyGame(benchmark::State& state) {
  auto g = StartedGame(4);
  SilentSoundSink sink;
  g->game_running = true;
  Pcg32 bot;
  bot.Seed(99, 1);
  std::int64_t stones = 0;
  std::int64_t samples = 0;
  for (auto _ : state) {
    const std::int32_t t = g->tick_count;
    if (t % 6 == 0) {
      if (g->carried[1] == 0) {
        int row = 0;
        for (int r = 1; r <= kStoreRows && row == 0; ++r)
          if (g->store[r][1] > 0) row = r;
        if (row > 0) DXDraw1MouseMove(*g, 30 * row + 120, 130);
      } else {
        const int x = 157 + 42 * static_cast<int>(bot.Random(10));
        DXDraw1MouseMove(*g, x, 282);
      }
      DXDraw1MouseDown(*g, MouseButton::kLeft, false);
    } else if (t % 6 == 1) {
      DXDraw1MouseUp(*g, MouseButton::kLeft);
    }
    if (g->game_over) {
      BuildBoard(*g);
      g->game_running = true;
    }
    DXTimer1Timer(*g, sink);
    int n = 0;
    for (int s = 1; s <= kSlotCount; ++s) n += g->obj.alive[s] > 0 && g->obj.kind[s] == kKindPiece && g->obj.image[s] == kImageStone;
    stones += n;
    ++samples;
  }
  state.counters["ticks_per_s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                     benchmark::Counter::kIsRate);
  state.counters["stones_avg"] = samples ? static_cast<double>(stones) / static_cast<double>(samples) : 0;
}
BENCHMARK(BM_TickBusyGame);

void BM_FloorPassFiftyLights(benchmark::State& state) {
  auto g = StartedGame(3);
  g->light_count = 0;
  for (int i = 0; i < kMaxLights; ++i) AddLight(*g, static_cast<std::int16_t>(30 + 11 * i), static_cast<std::int16_t>(40 + 10 * i), 0.5);
  for (auto _ : state) DrawFloor(*g);
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
  for (auto _ : state) BuildDrawList(*g);
}
BENCHMARK(BM_DepthSort900Objects);

void BM_DrawTextLayer10000Cells(benchmark::State& state) {
  auto g = StartedGame(3);
  ClearTextLayer(*g);
  const char* line = "DIE STEINE HABEN UNTERSCHIEDLICHE FARBEN. 0123456789";
  const std::int16_t fonts[] = {1, 6, 7, 2, 4, 3};
  for (int i = 0; g->text.text_cell_count < kTextCellCount; ++i) {
    const std::int16_t font = fonts[i % 6];
    WriteText(*g, static_cast<std::int16_t>(10 + (i % 7) * 3), static_cast<std::int16_t>((i * 7) % 560), font,
              static_cast<std::int16_t>(font == 2 && i % 2 ? 128 : 0), line);
  }
  for (auto _ : state) DrawTextLayer(*g);
}
BENCHMARK(BM_DrawTextLayer10000Cells);

}  // namespace
}  // namespace klumpix

BENCHMARK_MAIN();
