#pragma once
// Games in a known state for the benchmarks.
#include <memory>

#include "shell/assets.h"
#include "shell/frame.h"
#include "shell/game.h"

namespace klumpix::bench {

// The game's pictures, loaded once, and a picture to draw into.
const PictureSet& Pictures();
Frame& BenchFrame();

// A game past its start-up tick on `game_type`.
std::unique_ptr<Game> StartedGame(int game_type);

// A running game with about 150 stones on the board, after `ticks` ticks of
// a bot that keeps taking rows and dropping them (explosions every few ticks).
std::unique_ptr<Game> BusyGame(int game_type, int ticks);

// One tick of the bot's input followed by a game tick without its picture.
void BusyStep(Game& g);
// The same with the tick's picture drawn, as a window or the page runs it.
void BusyTick(Game& g);

}  // namespace klumpix::bench
