#include "screens/name_entry.h"

#include "board/board.h"
#include "core/short_text.h"
#include "screens/winners.h"
#include "shell/game.h"
#include "text/text_layer.h"
#include "text/words.h"
#include "world/floor.h"

namespace klumpix {

namespace {

constexpr int kMaxNameLength = 7;
constexpr std::int16_t kGlow = 128;

// Puts the new score into the table under "-" once per entry; an equal old
// score keeps its place above the new one.
void InsertScore(Game& g) {
  std::int32_t place = 0;
  for (int p = kPlaces; p >= 1; --p) {
    if (g.winner_score[g.game_type][p] < g.score) place = p;
  }
  if (place > 0) {
    for (int q = kPlaces; q > place; --q) {
      g.winner_name[g.game_type][q] = g.winner_name[g.game_type][q - 1];
      g.winner_score[g.game_type][q] = g.winner_score[g.game_type][q - 1];
    }
    g.winner_name[g.game_type][place].Assign("-");
    g.winner_score[g.game_type][place] = g.score;
    g.entry.entry_placed = true;
  }
  g.entry.winner_place = place;
}

constexpr Words kHighscore{"HIGHSCORE - NEUER ", "NEW HIGH SCORE - "};
constexpr Words kPlaceAfter{" PLATZ !", " PLACE !"};
constexpr Words kFirstPlace{"1. PLATZ", "1ST PLACE"};
constexpr Words kBigPoints{" PUNKTE", " PTS"};
constexpr Words kPoints{" PUNKTE", " POINTS"};
constexpr Words kWellDone{
    "GRATULIERE, SIE D\xDC"
    "RFEN SICH F\xDC"
    "R",
    "CONGRATULATIONS! PUT YOUR NAME"};
constexpr Words kEnterBefore{"DEN ", "DOWN FOR "};
constexpr Words kEnterAfter{" PLATZ EINTRAGEN !", " PLACE !"};
constexpr Words kClickLetters{"BITTE AUF BUCHSTABEN KLICKEN.", "PLEASE CLICK ON THE LETTERS."};
constexpr Words kNeuLine{"<NEU>  : EINGABE KORRIGIEREN", "<CLEAR>: START THE NAME AGAIN"};
constexpr Words kEnterLine{"<ENTER>: EINGABE BEST\xC4TIGEN", "<ENTER>: SAVE THE NAME"};
constexpr Words kSaveFailed{"FEHLER: SIEGERLISTE NICHT GESPEICHERT !",
                            "ERROR: WINNERS TABLE NOT SAVED !"};
constexpr Words kTryAgain{"ENTER: NOCHMAL VERSUCHEN", "ENTER: TRY AGAIN"};

// A place as its language counts: "3." in German, "3RD" in English.
void AppendPlace(const Game& g, ShortText& text, std::int32_t place) {
  text.AppendNumber(place);
  if (g.start_values.language != Language::kEnglish) {
    text.Append('.');
    return;
  }
  static const char* const kSuffixes[] = {"TH", "ST", "ND", "RD"};
  text.Append(place >= 1 && place <= 3 ? kSuffixes[place] : kSuffixes[0]);
}

// Place 1 gets the big font; lower places a congratulation.
void WriteHeadings(Game& g) {
  ShortText line;
  line.Assign(InLanguage(g, kHighscore));
  AppendPlace(g, line, g.entry.winner_place);
  line.Append(InLanguage(g, kPlaceAfter));
  WriteText(g, 80, 60, kFontLarge, 0, line.c_str());
  ShortText points;
  points.AppendNumber(g.score);
  if (g.entry.winner_place <= 1) {
    points.Append(InLanguage(g, kBigPoints));
    WriteText(g, 80, 120, kFontHuge, 0, InLanguage(g, kFirstPlace));
    WriteText(g, 80, 180, kFontHuge, 0, points.c_str());
  } else {
    points.Append(InLanguage(g, kPoints));
    WriteText(g, 80, 100, kFontLarge, 0, InLanguage(g, kWellDone));
    line.Assign(InLanguage(g, kEnterBefore));
    AppendPlace(g, line, g.entry.winner_place);
    line.Append(InLanguage(g, kEnterAfter));
    WriteText(g, 80, 120, kFontLarge, 0, line.c_str());
    WriteText(g, 80, 160, kFontLarge, 0, points.c_str());
  }
  WriteText(g, 80, 240, kFontLarge, 0, InLanguage(g, kClickLetters));
  WriteText(g, 80, 260, kFontLarge, 0, InLanguage(g, kNeuLine));
  WriteText(g, 80, 280, kFontLarge, 0, InLanguage(g, kEnterLine));
  // The underline shares the name line's origin: "NAME: " is six long, so
  // the seven strokes lie under the seven letters and glow behind them.
  WriteText(g, 80, 320, kFontLarge, kGlow, "      _______");
  ShortText name;
  name.Assign("NAME: ");
  name.Append(g.entry.entry_name.c_str());
  WriteText(g, 80, 320, kFontLarge, 0, name.c_str());
}

void RunLetterRow(Game& g) {
  for (int k = 0; k < kLetterCount; ++k) {
    const bool hit = LetterBox(k).Contains(g.mouse.mouse_x, g.mouse.mouse_y);
    const char letter[2] = {static_cast<char>('A' + k), '\0'};
    if (hit && g.mouse.clicked && g.entry.entry_name_length < kMaxNameLength) {
      ++g.entry.entry_name_length;
      g.entry.entry_name.Append(letter[0]);
    }
    WriteText(g, static_cast<std::int16_t>(80 + 20 * k), 360, kFontLarge, hit ? kGlow : 0, letter);
  }
}

}  // namespace

// The box is shifted by the font's leading advance so that it covers the
// drawn glyph.
HitBox LetterBox(int k) {
  return BoxAround(105 + 20 * k, 370, 10, 10);
}

// The highscore screen: inserts the score once, then lets the player spell
// a name with the mouse.
void RunNameEntry(Game& g) {
  AddCornerLights(g, 120, 120, 580, 480, 3.0);
  if (!g.entry.entry_placed) InsertScore(g);
  WriteHeadings(g);
  RunLetterRow(g);
  if (g.entry.winners_write_failed) {
    WriteText(g, 80, 400, kFontBright, 0, InLanguage(g, kSaveFailed));
    WriteText(g, 80, 420, kFontBright, 0, InLanguage(g, kTryAgain));
  }
  WriteText(g, 130, 450, kFontHuge, 0, "GAME OVER");
}

// NEU: start the name afresh.
void NameEntryNeu(Game& g) {
  g.entry.entry_name_length = 0;
  g.entry.entry_name.Clear();
}

// ENTER: store the name, save the table and return to a fresh board. When
// the save fails the screen stays, says so, and a later ENTER tries again.
void NameEntryEnter(Game& g, WinnersStorage& storage) {
  if (g.entry.winner_place >= 1 && g.entry.winner_place <= kPlaces) {
    g.winner_score[g.game_type][g.entry.winner_place] = g.score;
    if (g.entry.entry_name.Empty()) g.entry.entry_name.Assign("-");
    g.winner_name[g.game_type][g.entry.winner_place].Assign(g.entry.entry_name.c_str());
  }
  if (SaveWinners(g, storage)) {
    BuildBoard(g);
    return;
  }
  g.entry.winners_write_failed = true;
  // A held ENTER would otherwise retry the write in every tick.
  g.mouse.left_button_down = false;
}

}  // namespace klumpix
