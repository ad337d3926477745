#include "screens/help_info.h"
#include "screens/text_page.h"
#include "shell/game.h"
#include "text/text_layer.h"
#include "world/floor.h"

namespace klumpix {

namespace {

// Headings stand in the bright font after a hyphen, their lines in green
// after " ,". The large fonts have no a, s or u, so everything is in capitals
// but the option names.
constexpr PageLine kInfoLines[] = {
    {100, kFontLarge, "KLUMPIX " KLUMPIX_VERSION " - 2026 - DAS KLUMPIX-TEAM"},
    {160, kFontLarge, "WEITERE FREEWARESPIELE VON"},
    {180, kFontLarge, "UNS GIBT ES NOCH NICHT. DAF\xdcR HIER:"},
    {200, kFontBright, "-DIE DATEIEN DIESES SPIELS"},
    {260, kFontBright, "-TASTEN"},
    {280, kFontLarge, " ,F11 / ALT UND ENTER: VOLLBILD"},
    {300, kFontLarge, " ,STRG UND KLICK: SOUND AN/AUS"},
    {320, kFontBright, "-AUFNEHMEN UND ABSPIELEN"},
    {340, kFontLarge, " ,AUFNEHMEN: KLUMPIX --record DATEI"},
    {360, kFontLarge, " ,ABSPIELEN: SIEHE KLUMPIX --help"},
    {380, kFontBright, "-BILDER UND KL\xc4NGE"},
    {400, kFontLarge, " ,ALLE VOM SPIEL SELBST ERZEUGT"},
    {440, kFontLarge, "ALLES BEI:"},
    {460, kFontBright, "           KLUMPIX --help"},
    {480, kFontLarge, "KONTAKT:"},
    {500, kFontBright, "           DAS README DES SPIELS"},
};

constexpr std::int16_t kInfoLeft = 90;

}  // namespace

// The info page: who made the game, where it keeps its files and how to use it.
void RunInfoScreen(Game& g) {
  AddCornerLights(g, 40, 40, 660, 560, 1.5);
  WritePage(g, kInfoLeft, kInfoLines);
  FixedText<60> line;
  line.Assign(" ,");
  line.Append(g.files.info_winners_place.c_str());
  WriteText(g, kInfoLeft, 220, kFontLarge, 0, line.c_str());
  line.Assign(" ,");
  line.Append(g.files.info_settings_place.c_str());
  WriteText(g, kInfoLeft, 240, kFontLarge, 0, line.c_str());
}

}  // namespace klumpix
