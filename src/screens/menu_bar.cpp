#include "screens/menu_bar.h"

#include "board/board.h"
#include "core/short_text.h"
#include "shell/game.h"
#include "text/score_text.h"
#include "text/text_layer.h"
#include "text/words.h"

namespace klumpix {

namespace {

// A button's label in one language, and how far left of the button's centre
// the text starts, which centres its letters on the button.
struct Label {
  const char* text;
  std::int16_t dx;
};

struct ButtonLabel {
  std::int16_t slot;
  std::int16_t dy;  // the label starts this far up from the button's centre
  Label de, en;
};

constexpr ButtonLabel kFrameLabels[] = {
    {kSlotExit, 4, {"EXIT", 22}, {"QUIT", 24}},    {kSlotEnde, 4, {"ENDE", 24}, {"END", 20}},
    {kSlotSpiel, 4, {"SPIEL", 26}, {"GAME", 24}},  {kSlotHilfe, 4, {"HILFE", 28}, {"HELP", 24}},
    {kSlotInfo, 4, {"INFO", 24}, {"INFO", 24}},    {kSlotSound, 9, {"SOUND", 28}, {"SOUND", 28}},
    {kSlotLicht, 9, {"LICHT", 28}, {"LIGHT", 28}}, {kSlotStart, 4, {"START", 26}, {"START", 26}},
    {kSlotNeu, 4, {"NEU", 20}, {"CLEAR", 28}},     {kSlotEnter, 4, {"ENTER", 28}, {"ENTER", 28}},
};

constexpr ButtonLabel kConfirmLabels[] = {
    {kSlotJa, 4, {"JA", 17}, {"YES", 20}},
    {kSlotNein, 4, {"NEIN", 22}, {"NO", 16}},
};

struct MenuEntry {
  Words text;
  std::int16_t x, y;
  int hit_left, hit_right;
};

// Game types 1..8 in menu order; the last three sit further in and have a
// narrower hit zone.
constexpr MenuEntry kMenuEntries[kGameTypes + 1] = {
    {},
    {{"-HEXAGON GROSS", "-BIG HEXAGON"}, 646, 75, 620, 780},
    {{"-2 KLEINE HEX", "-2 SMALL HEXES"}, 646, 85, 620, 780},
    {{"-DAS V", "-THE V"}, 646, 95, 620, 780},
    {{"-WIE TETRIS", "-LIKE TETRIS"}, 646, 105, 620, 780},
    {{"-SCHR\xC4G", "-SLANTED"}, 646, 115, 620, 780},
    {{"-AUGE", "-EYE"}, 676, 125, 650, 750},
    {{"-TOR", "-GATE"}, 676, 135, 650, 750},
    {{"-S\xC4ULEN", "-PILLARS"}, 676, 145, 650, 750},
};

// The frame's other texts.
constexpr Words kTypeHeading{"SPIEL-ARTEN", "GAME TYPES"};
constexpr Words kWinnersHeading{"  SIEGER", " WINNERS"};
constexpr Words kConfirmLines[] = {
    {"WOLLEN SIE WIRKLICH", "DO YOU REALLY WANT"},
    {"DAS SPIEL VERLASSEN", "TO QUIT THE GAME"},
    {"         ?         ", "         ?         "},
};
constexpr Words kTeam{"DAS KLUMPIX-TEAM", "THE KLUMPIX TEAM"};

void WriteLabel(Game& g, const ButtonLabel& label) {
  const std::int16_t x = g.obj.x[label.slot];
  const std::int16_t y = g.obj.y[label.slot];
  const Label& text = g.start_values.language == Language::kEnglish ? label.en : label.de;
  WriteText(g, static_cast<std::int16_t>(x - text.dx), static_cast<std::int16_t>(y - label.dy),
            kFontGreen, 0, text.text);
  if (label.slot != kSlotSound && label.slot != kSlotLicht) return;
  ShortText value;
  value.AppendNumber(label.slot == kSlotSound ? g.settings.sound_volume : g.settings.light_level);
  WriteText(g, static_cast<std::int16_t>(x - 28), static_cast<std::int16_t>(y + 1), kFontGreen, 0,
            value.c_str());
}

// The type menu: the selected type in the plain font, the others dark; while
// no game is in progress an entry under the pointer lights up or, clicked,
// becomes the selected type.
void RunTypeMenu(Game& g) {
  WriteText(g, 660, 60, kFontPlain, 0, InLanguage(g, kTypeHeading));
  for (int t = 1; t <= kGameTypes; ++t) {
    const MenuEntry& e = kMenuEntries[t];
    WriteText(g, e.x, e.y, t == g.game_type ? kFontPlain : kFontDark, 0, InLanguage(g, e.text));
  }
  if (!TypeMenuOpen(g)) return;
  for (int t = 1; t <= kGameTypes; ++t) {
    const MenuEntry& e = kMenuEntries[t];
    const bool inside = MenuEntryBox(t).Contains(g.mouse.mouse_x, g.mouse.mouse_y);
    if (!inside) continue;
    if (g.mouse.clicked) {
      g.game_type = t;
    } else {
      WriteText(g, e.x, e.y, kFontGreen, 0, InLanguage(g, e.text));
    }
  }
}

// Where the table's lines stand: place p at y = kWinnersTop + 10 * p.
constexpr std::int16_t kWinnersTop = 465;
constexpr std::int16_t kWinnersNameX = 660;

void WriteWinnersTable(Game& g) {
  WriteText(g, 665, 446, kFontPlain, 0, InLanguage(g, kWinnersHeading));
  for (int p = 1; p <= kPlaces; ++p) {
    const auto y = static_cast<std::int16_t>(kWinnersTop + 10 * p);
    const std::int16_t font = p == 1 ? kFontGreen : kFontDark;
    ShortText place;
    place.AppendNumber(p);
    place.Append('.');
    WriteText(g, 646, y, font, 0, place.c_str());
    WriteText(g, kWinnersNameX, y, font, 0, g.winner_name[g.game_type][p].c_str());
    ShortText score;
    if (FormatSevenPlaceScore(g.winner_score[g.game_type][p], score)) {
      WriteText(g, 700, y, font, 0, score.c_str());
    }
  }
}

}  // namespace

HitBox MenuEntryBox(int type) {
  const MenuEntry& e = kMenuEntries[type];
  const int top = 65 + 10 * type;
  return {e.hit_left, top, e.hit_right, top + 10, (e.hit_left + e.hit_right) / 2, top + 5};
}

HitBox FirstWinnerNameBox() {
  // Eight letters of the small font, the first one advance right of the x.
  const int left = kWinnersNameX + 8;
  const int top = kWinnersTop + 10;
  return {left - 2, top - 2, left + 8 * 8 + 2, top + 9, left + 4 * 8, top + 3};
}

bool TypeMenuOpen(const Game& g) {
  return !g.game_running || g.game_over;
}

// The frame's texts and the type menu, every tick on every screen.
void RunMenuBar(Game& g) {
  const std::int32_t type_at_entry = g.game_type;
  for (const ButtonLabel& label : kFrameLabels) WriteLabel(g, label);
  for (const ButtonLabel& label : kConfirmLabels) {
    if (g.obj.alive[label.slot] != 0 && g.obj.kind[label.slot] == kKindButton) {
      WriteLabel(g, label);
    }
  }
  RunTypeMenu(g);
  // A new type shows its board at once, in this same tick.
  if (g.game_type != type_at_entry) BuildBoard(g);
  WriteWinnersTable(g);
  if (g.confirm_open && g.obj.tag[kSlotConfirmPanel] == kConfirmBoxNumber) {
    for (int i = 0; i < 3; ++i) {
      WriteText(g, 240, static_cast<std::int16_t>(230 + 20 * i), kFontLarge, 0,
                InLanguage(g, kConfirmLines[i]));
    }
  }
  WriteText(g, 636, 555, kFontLarge, 0, "KLUMPIX1");
  WriteText(g, 672, 575, kFontDark, 0, "- 2026 -");
  WriteText(g, 635, 585, kFontDark, 0, InLanguage(g, kTeam));
}

}  // namespace klumpix
