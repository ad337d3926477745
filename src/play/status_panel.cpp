// The texts of the play screen that are drawn on every tick: the store with
// its countdowns and the status panel on the right.
#include "core/short_text.h"
#include "play/play_steps.h"
#include "shell/game.h"
#include "text/score_text.h"
#include "text/text_layer.h"
#include "text/words.h"

namespace klumpix {

namespace {

constexpr std::int16_t kPanelFont = kFontDark;
constexpr int kStoreFields = 42;

constexpr Words kStoreHeading{"STEINELAGER", "STONE STORE"};
constexpr Words kPanelHeading{"SPIEL", "GAME"};
constexpr Words kFieldsLabel{"FELDER :", "FIELDS :"};
constexpr Words kStonesLabel{"STEINE :", "STONES :"};
constexpr Words kPlacedLabel{"EINGEL.:", "PLACED :"};
constexpr Words kExplodedLabel{"EXPLOD.:", "CLEARED:"};
constexpr Words kKillsLabel{"KILLS  :", "BLASTS :"};
constexpr Words kScoreHeading{"PUNKTE", "SCORE"};
constexpr Words kPlaceTexts[kPlaces + 1] = {
    {"", ""},
    {"PLATZ 1", "1ST PLACE"},
    {"PLATZ 2", "2ND PLACE"},
    {"PLATZ 3", "3RD PLACE"},
    {"PLATZ 4", "4TH PLACE"},
    {"PLATZ 5", "5TH PLACE"},
};
constexpr Words kSure{"SICHER", "SECURED"};

// One panel line: a label with a number right after it.
void WriteCounter(Game& g, std::int16_t y, const Words& label, std::int32_t value) {
  ShortText text;
  text.Assign(InLanguage(g, label));
  text.AppendNumber(value);
  WriteText(g, 650, y, kPanelFont, 0, text.c_str());
}

// A row's countdown sits centred under the row; from four digits on it is
// left out, since it would no longer fit.
void WriteRowCountdowns(Game& g) {
  for (int r = 1; r <= kStoreRows; ++r) {
    const std::int32_t value = g.stone_store.row_countdown[r];
    int x = 30 * r;
    if (value < 10) {
      x += 110;
    } else if (value < 100) {
      x += 106;
    } else if (value < 1000) {
      x += 100;
    } else {
      continue;
    }
    ShortText text;
    text.AppendNumber(value);
    WriteText(g, static_cast<std::int16_t>(x), 180, kFontGreen, 0, text.c_str());
  }
}

// The best winners place the current score would reach, with "SICHER".
void WritePlaceLine(Game& g) {
  for (int place = 1; place <= kPlaces; ++place) {
    if (g.score > g.winner_score[g.game_type][place]) {
      const std::int16_t font = place == 1 ? kFontPlain : kFontGreen;
      WriteText(g, 675, 380, font, 0, InLanguage(g, kPlaceTexts[place]));
      WriteText(g, 675, 390, font, 0, InLanguage(g, kSure));
      return;
    }
  }
}

void WriteScore(Game& g) {
  ShortText text;
  if (FormatSevenPlaceScore(g.score, text)) WriteText(g, 700, 320, kPanelFont, 0, text.c_str());
}

}  // namespace

// `fields` counts every field of the board, `stones` the stones on the playfield.
void DrawStatusPanel(Game& g, std::int32_t fields, std::int32_t stones) {
  WriteText(g, 130, 80, kFontGreen, 0, InLanguage(g, kStoreHeading));
  WriteRowCountdowns(g);
  WriteText(g, 680, 200, kFontPlain, 0, InLanguage(g, kPanelHeading));
  WriteCounter(g, 240, kFieldsLabel, fields - kStoreFields);
  WriteCounter(g, 250, kStonesLabel, stones);
  WriteCounter(g, 260, kPlacedLabel, g.stones_placed);
  WriteCounter(g, 270, kExplodedLabel, g.stones_placed - stones);
  WriteCounter(g, 280, kKillsLabel, g.explosion_count);
  WritePlaceLine(g);
  WriteText(g, 680, 310, kPanelFont, 0, InLanguage(g, kScoreHeading));
  WriteScore(g);
}

}  // namespace klumpix
