#pragma once
// The hex lattice: neighbour links between playfield cells and drop fields.
namespace klumpix {

struct Game;

void LinkNeighbors(Game& g);
void MarkDropFields(Game& g);

}  // namespace klumpix
