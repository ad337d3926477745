#pragma once
// Building the board of the selected game type.
#include <cstdint>

namespace klumpix {

struct Game;

// The stone store: row r (1..14) is a column of three places, place 1 on top.
constexpr std::int16_t StoreRowX(int row) {
  return static_cast<std::int16_t>(30 * row + 120);
}
constexpr std::int16_t StorePlaceY(int place) {
  return static_cast<std::int16_t>(26 * place + 80);
}

void BuildBoard(Game& g);
void CreateFixedObjects(Game& g);
void AddBoardCell(Game& g, std::int16_t x, std::int16_t y, std::int16_t colour);
void AddStoreCell(Game& g, std::int16_t x, std::int16_t y, std::int16_t colour);
// Adds the playfield cells of `game_type` in creation order.
void AddLayoutCells(Game& g, std::int32_t game_type);

}  // namespace klumpix
