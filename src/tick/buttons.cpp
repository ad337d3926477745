// What each button does while a mouse button is held on it. The buttons act
// on every part of the game, so their actions sit above all the screens.
#include "tick/buttons.h"

#include <cstdint>

#include "board/board.h"
#include "board/confirm_box.h"
#include "screens/name_entry.h"
#include "shell/game.h"

namespace klumpix {
namespace {

// Each step is 100; the bounds keep both settings audible and visible.
constexpr std::int32_t kSettingStep = 100;
constexpr std::int32_t kSettingMax = 50000;
constexpr std::int32_t kSoundMin = 10000;
constexpr std::int32_t kLightMin = 15000;

// SPIEL, HILFE and INFO: choosing a screen also answers the exit box with no.
void SwitchScreen(Game& g, std::int32_t mode) {
  g.screen_mode = mode;
  CloseConfirmBox(g);
}

}  // namespace

// Runs every tick while a mouse button is held on a button, so a held button
// repeats. START and ENTER rebuild the board, which also ends the press.
void ButtonAction(Game& g, std::int16_t slot, WinnersStorage& winners) {
  if (g.mouse.left_button_down) {
    if (slot == kSlotExit && g.screen_mode != kModeNameEntry) {
      if (!g.confirm_open) OpenConfirmBox(g);
      g.confirm_open = true;
      g.screen_mode = kModePlay;
    }
    if (slot == kSlotEnde && g.game_running) g.game_over = true;
    if (slot == kSlotSpiel && g.screen_mode != kModeNameEntry) SwitchScreen(g, kModePlay);
    if (slot == kSlotHilfe && g.screen_mode != kModeNameEntry) SwitchScreen(g, kModeHelp);
    if (slot == kSlotInfo && g.screen_mode != kModeNameEntry) SwitchScreen(g, kModeInfo);
    if (slot == kSlotSound && g.settings.sound_volume < kSettingMax)
      g.settings.sound_volume += kSettingStep;
    if (slot == kSlotLicht && g.settings.light_level < kSettingMax)
      g.settings.light_level += kSettingStep;
    if (slot == kSlotStart) {
      BuildBoard(g);
      g.screen_mode = kModePlay;
      g.game_running = true;
    }
    if (slot == kSlotJa) g.quit_requested = true;
    if (slot == kSlotNein) CloseConfirmBox(g);
    if (slot == kSlotNeu && g.screen_mode == kModeNameEntry) NameEntryNeu(g);
    if (slot == kSlotEnter && g.screen_mode == kModeNameEntry) NameEntryEnter(g, winners);
  }
  // The right button only turns the two settings down.
  if (g.mouse.right_button_down) {
    if (slot == kSlotSound && g.settings.sound_volume > kSoundMin)
      g.settings.sound_volume -= kSettingStep;
    if (slot == kSlotLicht && g.settings.light_level > kLightMin)
      g.settings.light_level -= kSettingStep;
  }
}

}  // namespace klumpix
