#pragma once
// The timer ticks of a test, and where they keep the winners table: nowhere
// a save can land unless a test names a file (the screens' tests point it
// into their own folder).
#include "app/winners_file.h"
#include "shell/game.h"
#include "tick/tick.h"

namespace klumpix::testing {

inline WinnersFile& TestWinners() {
  static WinnersFile file("/nonexistent-folder/groar.dat");
  return file;
}

inline void Tick(Game& g, int ticks = 1) {
  for (int i = 0; i < ticks; ++i) DXTimer1Timer(g, TestWinners());
}

}  // namespace klumpix::testing
