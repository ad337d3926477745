// How much of the busy game's picture changes from one tick to the next: the
// pixels, and the 40 x 40 blocks holding any changed pixel. A picture drawn
// only where it changed would draw about that share.
// usage: klumpix_changed_pixels [TICKS]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "bench/bench_games.h"
#include "shell/frame.h"

int main(int argc, char** argv) {
  using klumpix::kScreenHeight;
  using klumpix::kScreenWidth;
  const int ticks = argc > 1 ? std::atoi(argv[1]) : 500;
  if (ticks < 2) {
    std::fprintf(stderr, "usage: klumpix_changed_pixels [TICKS]\n");
    return 2;
  }
  constexpr int kBlock = 40;
  constexpr int kBlocks = (kScreenWidth / kBlock) * (kScreenHeight / kBlock);
  auto g = klumpix::bench::BusyGame(4, 300);
  std::vector<std::uint16_t> before(kScreenWidth * kScreenHeight);
  long pixels = 0;
  long blocks = 0;
  for (int t = 0; t < ticks; ++t) {
    klumpix::bench::BusyTick(*g);
    const std::uint16_t* now = klumpix::bench::BenchFrame().screen.pixels;
    if (t > 0) {
      for (int i = 0; i < kScreenWidth * kScreenHeight; ++i) pixels += now[i] != before[i];
      for (int by = 0; by < kScreenHeight; by += kBlock) {
        for (int bx = 0; bx < kScreenWidth; bx += kBlock) {
          bool changed = false;
          for (int y = by; y < by + kBlock && !changed; ++y) {
            changed = std::memcmp(now + y * kScreenWidth + bx, &before[y * kScreenWidth + bx],
                                  kBlock * sizeof(std::uint16_t)) != 0;
          }
          blocks += changed;
        }
      }
    }
    std::memcpy(before.data(), now, before.size() * sizeof(std::uint16_t));
  }
  const double n = ticks - 1;
  std::printf(
      "busy game, %d ticks: %.0f changed pixels a tick (%.1f %%), %.1f of %d blocks of 40 x 40\n",
      ticks, pixels / n, 100.0 * pixels / n / (kScreenWidth * kScreenHeight), blocks / n, kBlocks);
  return 0;
}
