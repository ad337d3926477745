// Our colour-keyed copies against SDL's software blitter, on the same draw
// list of a busy frame: the floor tiles and every visible object.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <memory>

#include "bench/bench_games.h"
#include "platform/reference_blitter.h"
#include "shell/assets.h"
#include "world/floor.h"
#include "world/renderer.h"

namespace klumpix {
namespace {

std::vector<BlitOp> BusyFrameOps(Game& g) {
  std::vector<BlitOp> ops;
  const Picture* floor = &bench::Pictures().sheets[kPicFloor];
  for (int n = 1; n <= g.floor.floor_tile_count; ++n) {
    const int left = 20 * TileBrightness(g, static_cast<std::int16_t>(n));
    const int top = 20 * g.floor.floor_tile_design[n];
    ops.push_back({floor, Rect{left, top, left + 20, top + 20}, g.floor.floor_tile_x[n],
                   g.floor.floor_tile_y[n], false});
  }
  DrawList list;
  BuildDrawList(g, list);
  const ObjectTable& o = g.obj;
  for (int i = 1; i <= list.count; ++i) {
    const int s = list.slot[i];
    const Picture* sheet = ObjectSheet(bench::Pictures(), o.kind[s], o.image[s]);
    if (sheet == nullptr) continue;
    ops.push_back({sheet, Rect{o.src_left[s], o.src_top[s], o.src_right[s], o.src_bottom[s]},
                   o.x[s] - o.half_width[s], o.y[s] - o.half_height[s], true});
  }
  return ops;
}

void BM_BlitOursAgainstSdl(benchmark::State& state) {
  auto g = bench::BusyGame(4, 600);
  const std::vector<BlitOp> ops = BusyFrameOps(*g);
  auto ours = std::make_unique<Surface>();
  auto theirs = std::make_unique<Surface>();
  ReferenceBlitter sdl;
  auto draw_ours = [&] {
    for (const BlitOp& op : ops) CopyRect(*ours, op.x, op.y, *op.picture, op.source, op.keyed);
  };
  FillSurface(*ours, 0);
  FillSurface(*theirs, 0);
  draw_ours();
  sdl.Draw(ops, *theirs);
  if (std::memcmp(ours->pixels, theirs->pixels, sizeof ours->pixels) != 0) {
    state.SkipWithError("pixels differ between our blitter and SDL's");
    return;
  }
  double ours_ns = 0, sdl_ns = 0;
  for (auto _ : state) {
    auto t0 = std::chrono::steady_clock::now();
    draw_ours();
    auto t1 = std::chrono::steady_clock::now();
    sdl.Draw(ops, *theirs);
    auto t2 = std::chrono::steady_clock::now();
    ours_ns += std::chrono::duration<double, std::nano>(t1 - t0).count();
    sdl_ns += std::chrono::duration<double, std::nano>(t2 - t1).count();
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["ops"] = static_cast<double>(ops.size());
  state.counters["ours_us"] = ours_ns / n / 1000.0;
  state.counters["sdl_us"] = sdl_ns / n / 1000.0;
  state.counters["ratio_ours_to_sdl"] = ours_ns / sdl_ns;
}
BENCHMARK(BM_BlitOursAgainstSdl);

}  // namespace
}  // namespace klumpix
