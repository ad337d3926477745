#pragma once
// Games in a known state for the benchmarks.
#include <memory>

#include "shell/game.h"

namespace klumpix::bench {

// A game past its start-up tick on `game_type`, pictures attached.
std::unique_ptr<Game> StartedGame(int game_type);

// A running game with about 150 stones on the board, after `ticks` ticks of
// a bot that keeps taking rows and dropping them (explosions every few ticks).
std::unique_ptr<Game> BusyGame(int game_type, int ticks);

// One tick of the bot's input followed by a full game tick.
void BusyTick(Game& g);

}  // namespace klumpix::bench
