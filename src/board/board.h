#pragma once
// Building the board of the selected game type.
#include <cstdint>

namespace klumpix {

struct Game;

void BuildBoard(Game& g);
void CreateFixedObjects(Game& g);
void AddBoardCell(Game& g, std::int16_t x, std::int16_t y, std::int16_t colour);
void AddStoreCell(Game& g, std::int16_t x, std::int16_t y, std::int16_t colour);
// Adds the playfield cells of `game_type` in creation order.
void AddLayoutCells(Game& g, std::int32_t game_type);

}  // namespace klumpix
