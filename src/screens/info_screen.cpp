#include "screens/help_info.h"
#include "screens/text_page.h"
#include "shell/game.h"
#include "world/floor.h"

namespace klumpix {

namespace {

// Game names stand in the bright font after a hyphen, their descriptions in
// green after " ,". The large fonts have no a, s or u, hence the capitals
// in the addresses.
constexpr PageLine kInfoLines[] = {
    {100, 2, "KLUMPIX1 - 2026 - DAS KLUMPIX-TEAM"},
    {160, 2, "WEITERE FREEWARESPIELE VON"},
    {180, 2, "WWW.KLUMPIX.EXAMPLE.ORG:"},
    {200, 4, "-FUNKELGRUBE"},
    {220, 2, " ,GRABEN SIE NACH LEUCHTENDEN"},
    {240, 2, " ,KRISTALLEN TIEF IM BERG."},
    {260, 4, "-ZAHLENNEBEL"},
    {280, 2, " ,FINDEN SIE DIE VERBORGENEN"},
    {300, 2, " ,ZAHLEN IM DICHTEN NEBEL."},
    {320, 4, "-KLOTZBAHN"},
    {340, 2, " ,LENKEN SIE ROLLENDE KL\xD6TZE"},
    {360, 2, " ,SICHER DURCH ALLE WEICHEN."},
    {380, 4, "-KLUMPIX2 UND KLUMPIX3"},
    {400, 2, " ,NEUE FELDER, MEHR FARBEN."},
    {440, 2, "ALLES BEI:"},
    {460, 4, "           WWW.KLUMPIX.EXAMPLE.ORG"},
    {480, 2, "KONTAKT:"},
    {500, 4, "           POST@KLUMPIX.EXAMPLE.ORG"},
};

constexpr std::int16_t kInfoLeft = 90;

}  // namespace

// The info page: who made the game and where to find more.
void RunInfoScreen(Game& g) {
  AddCornerLights(g, 40, 40, 660, 560, 1.5);
  WritePage(g, kInfoLeft, kInfoLines);
}

}  // namespace klumpix
