#pragma once
// The per-tick walk over all objects: button looks and actions, explosion
// frames, picture rectangles.
namespace klumpix {

struct Game;
class WinnersStorage;

void UpdateObjects(Game& g, WinnersStorage& winners);

}  // namespace klumpix
