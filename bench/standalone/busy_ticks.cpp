// The busy-game tick timed without Google Benchmark, so that the same scene
// runs natively and as WebAssembly under Node.js: the tall board with about
// 150 stones, a bot taking rows and dropping them, explosions every few ticks.
// It prints the time per tick of each round and, to show both ran the same
// game, the ticks with an explosion over all rounds.
// usage: klumpix_busy_ticks [ROUNDS] [TICKS_PER_ROUND]
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/bench_games.h"

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
  const int ticks = argc > 2 ? std::atoi(argv[2]) : 2000;
  if (rounds < 1 || ticks < 1) {
    std::fprintf(stderr, "usage: klumpix_busy_ticks [ROUNDS] [TICKS_PER_ROUND]\n");
    return 2;
  }
  auto g = klumpix::bench::BusyGame(4, 300);
  int explosion_ticks = 0;
  std::vector<double> ms_per_tick;
  for (int r = 0; r < rounds; ++r) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < ticks; ++i) {
      const std::int32_t before = g->explosion_count;
      klumpix::bench::BusyTick(*g);
      explosion_ticks += g->explosion_count > before;
    }
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    ms_per_tick.push_back(took.count() / ticks);
    std::printf("round %d: %.3f ms per tick\n", r + 1, ms_per_tick.back());
  }
  std::sort(ms_per_tick.begin(), ms_per_tick.end());
  std::printf(
      "busy game: median %.3f ms per tick, best %.3f, over %d rounds of %d ticks; %d ticks with an "
      "explosion\n",
      ms_per_tick[ms_per_tick.size() / 2], ms_per_tick.front(), rounds, ticks, explosion_ticks);
  return 0;
}
