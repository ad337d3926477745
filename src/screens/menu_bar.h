#pragma once
// Button labels, the game-type menu, the winners view, title and credits.
#include "core/hit_box.h"

namespace klumpix {

struct Game;

// Game type `type` (1..8) of the type menu.
HitBox MenuEntryBox(int type);
// The first place's name in the winners table the menu bar shows.
HitBox FirstWinnerNameBox();
// The type menu takes a click while no game is in progress.
bool TypeMenuOpen(const Game& g);

void RunMenuBar(Game& g);

}  // namespace klumpix
