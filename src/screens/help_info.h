#pragma once
// The help and info pages.
namespace klumpix {

struct Game;

void RunHelpScreen(Game& g);
void RunInfoScreen(Game& g);

}  // namespace klumpix
