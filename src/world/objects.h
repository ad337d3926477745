#pragma once
// The 900-slot object table: resetting slots and the top-down slot search.
#include <cstdint>

namespace klumpix {

struct Game;

void ClearSlot(Game& g, std::int16_t slot);
void ClearAllSlots(Game& g);
// The next free slot above dynamic_slot_floor, searched from the top down;
// 0 when the dynamic range is full (the caller then makes nothing).
std::int16_t AllocateDynamicSlot(Game& g);

}  // namespace klumpix
