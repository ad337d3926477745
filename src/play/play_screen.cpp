// The play screen: one tick of a game in progress, in the order the game
// relies on.
#include "play/play_screen.h"

#include "play/match.h"
#include "play/play_steps.h"
#include "play/settle.h"
#include "shell/game.h"
#include "text/text_layer.h"
#include "text/words.h"
#include "world/floor.h"

namespace klumpix {

namespace {
constexpr Words kGameOver{"SPIEL BEENDET", "GAME OVER"};
constexpr Words kGameRunning{"SPIEL L\xC4UFT", "GAME RUNNING"};
constexpr Words kNoGame{"SPIEL FERTIG", "NO GAME"};
constexpr Words kPressStart{
    "START DR\xDC"
    "CKEN",
    "PRESS START"};
}  // namespace

// One tick of the play screen, run only while screen_mode is 1.
void PlayScreenTick(Game& g) {
  // Fields and stones on the board, for the status panel; the store and the
  // pointer hold their stones in threes.
  std::int32_t fields = 0;
  std::int32_t stones = 0;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    if (g.obj.alive[slot] == 0 || g.obj.kind[slot] != kKindPiece) continue;
    if (g.obj.image[slot] == kImageField) ++fields;
    if (g.obj.image[slot] == kImageStone) ++stones;
  }
  if (g.stone_store.carried[1] > 0) stones -= 3;
  for (int r = 1; r <= kStoreRows; ++r) {
    if (g.stone_store.store[r][1] > 0) stones -= 3;
  }

  AddCornerLights(g, 120, 120, 580, 480, 3.0);
  DrawStatusPanel(g, fields, stones);

  if (g.game_running) {
    WriteText(g, 650, 350, kFontDark, 0, InLanguage(g, g.game_over ? kGameOver : kGameRunning));
    if (!g.game_over) {
      RunRowCountdown(g);
      StepCountdownStart(g);
      SettleStones(g);
      ExplodeStones(g, MatchStones(g));
      RunDropFields(g);
      RunStorePass(g);
    }
    // Asked again: a store that filled up in this tick ends the game at once.
    if (g.game_over) RunEndOfGame(g);
  } else {
    WriteText(g, 650, 350, kFontDark, 0, InLanguage(g, kNoGame));
    WriteText(g, 650, 360, kFontDark, 0, InLanguage(g, kPressStart));
  }

  MoveFloatingTexts(g);
}

}  // namespace klumpix
