#include "bench/bench_games.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/picture_loading.h"
#include "board/board.h"
#include "board/neighbors.h"
#include "play/play_screen.h"
#include "shell/assets.h"
#include "shell/frame.h"
#include "shell/mouse.h"
#include "shell/sound.h"
#include "shell/winners_storage.h"
#include "tick/tick.h"
#include "world/objects.h"

namespace klumpix::bench {

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

Frame& BenchFrame() {
  static Frame* frame = new Frame{};
  return *frame;
}

namespace {

// The bot never reaches ENTER; a table in memory stands by.
WinnersInMemory& BenchWinners() {
  static WinnersInMemory* winners = new WinnersInMemory;
  return *winners;
}

// Lays stones on the lowest cells so that no two neighbours share a colour:
// a full board that explodes only where the bot's drops make groups.
void FillBoard(Game& g, int stones) {
  g.free_slot_cursor = kSlotCount;
  for (int s = 1; s <= kSlotCount && stones > 0; ++s) {
    if (!IsPlayfieldCell(g, s) || g.obj.variant[s] == 8) continue;
    bool used[7] = {};
    for (int d = 1; d <= 6; ++d) {
      const int n = g.obj.neighbor[s][d];
      if (n > 0 && g.obj.cell_stone[n] > 0) used[g.obj.variant[g.obj.cell_stone[n]]] = true;
    }
    std::int16_t colour = 1;
    while (colour < 6 && used[colour]) ++colour;
    const std::int16_t stone = SpawnStone(g, g.obj.x[s], g.obj.y[s], colour);
    if (stone == 0) return;
    g.obj.cell_stone[s] = stone;
    --stones;
  }
}

}  // namespace

std::unique_ptr<Game> StartedGame(int game_type) {
  auto g = std::make_unique<Game>();
  ResetGame(*g);
  g->seed = 12345;
  FormCreate(*g);
  for (int i = 0; i <= 10; ++i) DXTimer1Timer(*g, BenchWinners());
  if (game_type != g->game_type) {
    g->game_type = game_type;
    BuildBoard(*g);
  }
  return g;
}

void BusyStep(Game& g) {
  static Pcg32 bot = [] {
    Pcg32 r;
    r.Seed(99, 1);
    return r;
  }();
  const std::int32_t t = g.tick_count;
  if (t % 6 == 0) {
    if (g.stone_store.carried[1] == 0) {
      int row = 0;
      for (int r = 1; r <= kStoreRows && row == 0; ++r)
        if (g.stone_store.store[r][1] > 0) row = r;
      if (row > 0) DXDraw1MouseMove(g, StoreRowX(row), 130);
    } else {
      // Prefer a drop field whose column is topped by the colour of the
      // lowest carried stone, so groups form and explode often.
      const std::int16_t colour = g.obj.variant[g.stone_store.carried[3]];
      int target = 0;
      int fallback = 0;
      const int start = static_cast<int>(bot.Random(kSlotCount)) + 1;
      for (int i = 0; i < kSlotCount && target == 0; ++i) {
        const int s = (start + i) % kSlotCount + 1;
        if (!IsPlayfieldCell(g, s) || g.obj.variant[s] < 7 || g.obj.cell_stone[s] != 0) continue;
        int below = g.obj.neighbor[s][kBelow];
        while (below > 0 && g.obj.cell_stone[below] == 0 && g.obj.neighbor[below][kBelow] > 0)
          below = g.obj.neighbor[below][kBelow];
        const int top_stone = below > 0 ? g.obj.cell_stone[below] : 0;
        if (top_stone > 0 && g.obj.variant[top_stone] == colour) target = s;
        if (fallback == 0) fallback = s;
      }
      if (target == 0) target = fallback;
      if (target > 0) DXDraw1MouseMove(g, g.obj.x[target], g.obj.y[target]);
    }
    DXDraw1MouseDown(g, MouseButton::kLeft, false);
  } else if (t % 6 == 1) {
    DXDraw1MouseUp(g, MouseButton::kLeft);
  }
  if (g.game_over) {
    BuildBoard(g);
    g.game_running = true;
    FillBoard(g, 110);
  }
  // Keep the store supplied so the bot always has stones to drop.
  if (g.stone_store.active_row <= kStoreRows &&
      g.stone_store.row_countdown[g.stone_store.active_row] > 5) {
    g.stone_store.row_countdown[g.stone_store.active_row] = 5;
  }
  DXTimer1Timer(g, BenchWinners());
}

void BusyTick(Game& g) {
  BusyStep(g);
  DrawTick(g, Pictures(), BenchFrame());
}

std::unique_ptr<Game> BusyGame(int game_type, int ticks) {
  auto g = StartedGame(game_type);
  g->game_running = true;
  FillBoard(*g, 110);
  for (int i = 0; i < ticks; ++i) BusyTick(*g);
  return g;
}

}  // namespace klumpix::bench
