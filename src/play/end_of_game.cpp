// What the play screen shows and does once a running game is over.
#include "play/play_steps.h"
#include "shell/game.h"
#include "shell/sound.h"
#include "text/text_layer.h"

namespace klumpix {

// Shows GAME OVER and hands a winning score to the name entry.
void RunEndOfGame(Game& g) {
  if (!g.confirm_open) WriteText(g, 130, 260, kFontHuge, 0, "GAME OVER");
  if (g.score > g.winner_score[g.game_type][kPlaces]) {
    g.screen_mode = kModeNameEntry;
    RequestSound(g, kSoundTusch, 400);
    g.entry.entry_name.Clear();
    g.entry.entry_name_length = 0;
  }
}

}  // namespace klumpix
