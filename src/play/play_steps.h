#pragma once
// The steps of the play-screen tick, each in its own file, and the store
// geometry they share.
#include <cstdint>

namespace klumpix {

struct Game;

// Store row r lies on one column; its three places are stacked from the top.
constexpr std::int16_t StoreRowX(int row) { return static_cast<std::int16_t>(30 * row + 120); }
constexpr std::int16_t StorePlaceY(int place) { return static_cast<std::int16_t>(26 * place + 80); }

void RunRowCountdown(Game& g);
void StepCountdownStart(Game& g);
void RunDropFields(Game& g);
void RunStorePass(Game& g);
void DrawStatusPanel(Game& g, std::int32_t fields, std::int32_t stones);
void RunEndOfGame(Game& g);
void MoveFloatingTexts(Game& g);

}  // namespace klumpix
