// The consistency check must notice each way the play state can go wrong.
#include "play/invariants.h"

#include <gtest/gtest.h>

#include <functional>

#include "play_fixture.h"

namespace klumpix {
namespace {

using testing::CellAt;
using testing::PutStone;

// A game in mid-play: stones on the board, in the store and on the pointer.
std::unique_ptr<Game> BusyGame() {
  auto g = testing::RunningGame(3);
  PutStone(*g, CellAt(*g, 346, 498), 1);
  PutStone(*g, CellAt(*g, 325, 486), 2);
  testing::FillStoreRow(*g, 4);
  testing::Carry(*g, 1, 2, 3);
  return g;
}

TEST(Invariants, AHealthyGameHasNoViolation) {
  auto g = BusyGame();
  EXPECT_EQ(CheckInvariants(*g), "");
  testing::Tick(*g, 3);
  EXPECT_EQ(CheckInvariants(*g), "");
}

TEST(Invariants, EachBrokenRuleIsReported) {
  const struct {
    const char* what;
    std::function<void(Game&)> damage;
  } cases[] = {
      {"half-full store row", [](Game& g) { g.stone_store.store[4][2] = 0; }},
      {"half-full carried stack", [](Game& g) { g.stone_store.carried[3] = 0; }},
      {"stone in two places",
       [](Game& g) { g.stone_store.carried[1] = g.stone_store.store[4][1]; }},
      {"stone nowhere", [](Game& g) { g.obj.cell_stone[CellAt(g, 346, 498)] = 0; }},
      {"cell holds a dead slot",
       [](Game& g) { ClearSlot(g, g.obj.cell_stone[CellAt(g, 325, 486)]); }},
      {"cell holds a field", [](Game& g) { g.obj.cell_stone[CellAt(g, 346, 474)] = 105; }},
      {"one-sided neighbour", [](Game& g) { g.obj.neighbor[105][1] = 107; }},
      {"slot number out of range", [](Game& g) { g.stone_store.store[4][1] = 901; }},
      {"too many lights", [](Game& g) { g.lights.light_count = 51; }},
      {"active row out of range", [](Game& g) { g.stone_store.active_row = 0; }},
      {"floating text timer", [](Game& g) { g.floating_text[3].timer = 51; }},
  };
  for (const auto& c : cases) {
    auto g = BusyGame();
    c.damage(*g);
    EXPECT_NE(CheckInvariants(*g), "") << c.what;
  }
}

}  // namespace
}  // namespace klumpix
