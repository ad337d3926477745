#include "screens/help_info.h"
#include "screens/text_layer.h"
#include "screens/text_page.h"
#include "shell/game.h"
#include "world/floor.h"

namespace klumpix {

namespace {

// Headings stand in the bright font after a hyphen, their lines in green
// after " ,". The large fonts have no a, s or u, so everything is in capitals
// but the option names.
constexpr PageLine kInfoLines[] = {
    {100, 2, "KLUMPIX " KLUMPIX_VERSION " - 2026 - DAS KLUMPIX-TEAM"},
    {160, 2, "WEITERE FREEWARESPIELE VON"},
    {180, 2, "UNS GIBT ES NOCH NICHT. DAF\xdcR HIER:"},
    {200, 4, "-DIE DATEIEN DIESES SPIELS"},
    {260, 4, "-TASTEN"},
    {280, 2, " ,F11 / ALT UND ENTER: VOLLBILD"},
    {300, 2, " ,STRG UND KLICK: SOUND AN/AUS"},
    {320, 4, "-AUFNEHMEN UND ABSPIELEN"},
    {340, 2, " ,AUFNEHMEN: KLUMPIX --record DATEI"},
    {360, 2, " ,ABSPIELEN: SIEHE KLUMPIX --help"},
    {380, 4, "-BILDER UND KL\xc4NGE"},
    {400, 2, " ,ALLE VOM SPIEL SELBST ERZEUGT"},
    {440, 2, "ALLES BEI:"},
    {460, 4, "           KLUMPIX --help"},
    {480, 2, "KONTAKT:"},
    {500, 4, "           DAS README DES SPIELS"},
};

constexpr std::int16_t kInfoLeft = 90;

}  // namespace

// The info page: who made the game, where it keeps its files and how to use it.
void RunInfoScreen(Game& g) {
  AddCornerLights(g, 40, 40, 660, 560, 1.5);
  WritePage(g, kInfoLeft, kInfoLines);
  FixedText<60> line;
  line.Assign(" ,");
  line.Append(g.info_winners_place.c_str());
  WriteText(g, kInfoLeft, 220, 2, 0, line.c_str());
  line.Assign(" ,");
  line.Append(g.info_settings_place.c_str());
  WriteText(g, kInfoLeft, 240, 2, 0, line.c_str());
}

}  // namespace klumpix
