#include "screens/menu_bar.h"

#include "board/board.h"
#include "core/short_text.h"
#include "shell/game.h"
#include "text/score_text.h"
#include "text/text_layer.h"

namespace klumpix {

namespace {

struct ButtonLabel {
  std::int16_t slot;
  const char* text;
  std::int16_t dx, dy;  // the label starts this far up and left of the button's centre
};

constexpr ButtonLabel kFrameLabels[] = {
    {kSlotExit, "EXIT", 22, 4},   {kSlotEnde, "ENDE", 24, 4},   {kSlotSpiel, "SPIEL", 26, 4},
    {kSlotHilfe, "HILFE", 28, 4}, {kSlotInfo, "INFO", 24, 4},   {kSlotSound, "SOUND", 28, 9},
    {kSlotLicht, "LICHT", 28, 9}, {kSlotStart, "START", 26, 4}, {kSlotNeu, "NEU", 20, 4},
    {kSlotEnter, "ENTER", 28, 4},
};

constexpr ButtonLabel kConfirmLabels[] = {
    {kSlotJa, "JA", 17, 4},
    {kSlotNein, "NEIN", 22, 4},
};


struct MenuEntry {
  const char* text;
  std::int16_t x, y;
  int hit_left, hit_right;
};

// Game types 1..8 in menu order; the last three sit further in and have a
// narrower hit zone.
constexpr MenuEntry kMenuEntries[kGameTypes + 1] = {
    {},
    {"-HEXAGON GROSS", 646, 75, 620, 780},
    {"-2 KLEINE HEX", 646, 85, 620, 780},
    {"-DAS V", 646, 95, 620, 780},
    {"-WIE TETRIS", 646, 105, 620, 780},
    {"-SCHR\xC4G", 646, 115, 620, 780},
    {"-AUGE", 676, 125, 650, 750},
    {"-TOR", 676, 135, 650, 750},
    {"-S\xC4ULEN", 676, 145, 650, 750},
};

void WriteLabel(Game& g, const ButtonLabel& label) {
  const std::int16_t x = g.obj.x[label.slot];
  const std::int16_t y = g.obj.y[label.slot];
  WriteText(g, static_cast<std::int16_t>(x - label.dx), static_cast<std::int16_t>(y - label.dy),
            kFontGreen, 0, label.text);
  if (label.slot != kSlotSound && label.slot != kSlotLicht) return;
  ShortText value;
  value.AppendNumber(label.slot == kSlotSound ? g.settings.sound_volume : g.settings.light_level);
  WriteText(g, static_cast<std::int16_t>(x - 28), static_cast<std::int16_t>(y + 1),
            kFontGreen, 0, value.c_str());
}

// The type menu: the selected type in the plain font, the others dark; while
// no game is in progress an entry under the pointer lights up or, clicked,
// becomes the selected type.
void RunTypeMenu(Game& g) {
  WriteText(g, 660, 60, kFontPlain, 0, "SPIEL-ARTEN");
  for (int t = 1; t <= kGameTypes; ++t) {
    const MenuEntry& e = kMenuEntries[t];
    WriteText(g, e.x, e.y, t == g.game_type ? kFontPlain : kFontDark, 0, e.text);
  }
  if (!TypeMenuOpen(g)) return;
  for (int t = 1; t <= kGameTypes; ++t) {
    const MenuEntry& e = kMenuEntries[t];
    const bool inside = MenuEntryBox(t).Contains(g.mouse.mouse_x, g.mouse.mouse_y);
    if (!inside) continue;
    if (g.mouse.clicked) {
      g.game_type = t;
    } else {
      WriteText(g, e.x, e.y, kFontGreen, 0, e.text);
    }
  }
}

void WriteWinnersTable(Game& g) {
  WriteText(g, 665, 446, kFontPlain, 0, "  SIEGER");
  for (int p = 1; p <= kPlaces; ++p) {
    const auto y = static_cast<std::int16_t>(465 + 10 * p);
    const std::int16_t font = p == 1 ? kFontGreen : kFontDark;
    ShortText place;
    place.AppendNumber(p);
    place.Append('.');
    WriteText(g, 646, y, font, 0, place.c_str());
    WriteText(g, 660, y, font, 0, g.winner_name[g.game_type][p].c_str());
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
    WriteText(g, 240, 230, kFontLarge, 0, "WOLLEN SIE WIRKLICH");
    WriteText(g, 240, 250, kFontLarge, 0, "DAS SPIEL VERLASSEN");
    WriteText(g, 240, 270, kFontLarge, 0, "         ?         ");
  }
  WriteText(g, 636, 555, kFontLarge, 0, "KLUMPIX1");
  WriteText(g, 672, 575, kFontDark, 0, "- 2026 -");
  WriteText(g, 635, 585, kFontDark, 0, "DAS KLUMPIX-TEAM");
}

}  // namespace klumpix
