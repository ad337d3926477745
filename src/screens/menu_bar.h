#pragma once
// Button labels, the game-type menu, the winners view, title and credits.
namespace klumpix {

struct Game;

void RunMenuBar(Game& g);

}  // namespace klumpix
