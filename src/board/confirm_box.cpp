// The "really quit?" box over the board.
#include "board/confirm_box.h"

#include <cstdint>

#include "shell/game.h"
#include "world/objects.h"

namespace klumpix {
namespace {

// The box's panel and its buttons share one look of their sheets.
constexpr std::int16_t kConfirmBoxVariant = 5;

}  // namespace

// Shows the box with its JA and NEIN buttons.
void OpenConfirmBox(Game& g) {
  PlaceObject(g, kSlotConfirmPanel,
              {kKindPanel, kImageOnly, kConfirmBoxVariant, 0, 400, 300, kDepthPanel});
  g.obj.tag[kSlotConfirmPanel] = kConfirmBoxNumber;
  PlaceObject(g, kSlotJa,
              {kKindButton, kImageOnly, kConfirmBoxVariant, kButtonUp, 323, 348, kDepthButton});
  PlaceObject(g, kSlotNein,
              {kKindButton, kImageOnly, kConfirmBoxVariant, kButtonUp, 481, 348, kDepthButton});
}

// Removes the box if it is shown; otherwise its slots are left alone.
void CloseConfirmBox(Game& g) {
  if (!g.confirm_open) return;
  g.confirm_open = false;
  ClearSlot(g, kSlotConfirmPanel);
  ClearSlot(g, kSlotJa);
  ClearSlot(g, kSlotNein);
}

}  // namespace klumpix
