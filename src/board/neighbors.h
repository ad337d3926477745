#pragma once
// The hex lattice: neighbour links between playfield cells and drop fields.
namespace klumpix {

struct Game;

// The six directions of the neighbour table, 1..6 round the cell; stones
// fall towards kBelow.
constexpr int kBelow = 1;

void LinkNeighbors(Game& g);
void MarkDropFields(Game& g);

}  // namespace klumpix
