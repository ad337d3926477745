#pragma once
// Stones falling cell by cell.
namespace klumpix {

struct Game;

void SettleStones(Game& g);

}  // namespace klumpix
