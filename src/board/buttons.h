#pragma once
// What the buttons do, and the exit confirm box.
#include <cstdint>

namespace klumpix {

struct Game;

// The buttons' fixed slots, and the exit box's panel with its box number.
constexpr std::int16_t kSlotExit = 5;
constexpr std::int16_t kSlotEnde = 6;
constexpr std::int16_t kSlotSpiel = 7;
constexpr std::int16_t kSlotHilfe = 8;
constexpr std::int16_t kSlotInfo = 9;
constexpr std::int16_t kSlotSound = 10;
constexpr std::int16_t kSlotLicht = 11;
constexpr std::int16_t kSlotStart = 12;
constexpr std::int16_t kSlotNeu = 13;
constexpr std::int16_t kSlotEnter = 14;
constexpr std::int16_t kSlotJa = 15;
constexpr std::int16_t kSlotNein = 16;
constexpr std::int16_t kSlotConfirmPanel = 19;

constexpr std::int32_t kConfirmBoxNumber = 1;

void ButtonAction(Game& g, std::int16_t slot);
void OpenConfirmBox(Game& g);
void CloseConfirmBox(Game& g);

}  // namespace klumpix
