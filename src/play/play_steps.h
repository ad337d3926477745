#pragma once
// The steps of the play-screen tick, each in its own file.
#include <cstdint>

#include "board/board.h"

namespace klumpix {

struct Game;

void RunRowCountdown(Game& g);
void StepCountdownStart(Game& g);
void RunDropFields(Game& g);
void RunStorePass(Game& g);
void DrawStatusPanel(Game& g, std::int32_t fields, std::int32_t stones);
void RunEndOfGame(Game& g);
void MoveFloatingTexts(Game& g);

}  // namespace klumpix
