#pragma once
// A fresh game for every test, made the way the program makes it.
#include <memory>

#include "shell/game.h"

namespace klumpix::testing {

inline std::unique_ptr<Game> NewGame() {
  auto g = std::make_unique<Game>();
  ResetGame(*g);
  return g;
}

}  // namespace klumpix::testing
