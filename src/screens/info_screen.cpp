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
    {100,
     kFontLarge,
     {"KLUMPIX " KLUMPIX_VERSION " - 2026 - DAS KLUMPIX-TEAM",
      "KLUMPIX " KLUMPIX_VERSION " - THE KLUMPIX TEAM"}},
    {160, kFontLarge, {"WEITERE FREEWARESPIELE VON", "THERE ARE NO OTHER FREE GAMES"}},
    {180, kFontLarge, {"UNS GIBT ES NOCH NICHT. DAF\xdcR HIER:", "FROM US YET. INSTEAD, HERE:"}},
    {200, kFontBright, {"-DIE DATEIEN DIESES SPIELS", "-THE FILES OF THIS GAME"}},
    {260, kFontBright, {"-TASTEN", "-KEYS"}},
    {280, kFontLarge, {" ,F11 / ALT UND ENTER: VOLLBILD", " ,F11 OR ALT-ENTER: FULL SCREEN"}},
    {300, kFontLarge, {" ,STRG UND KLICK: SOUND AN/AUS", " ,CTRL AND CLICK: SOUND ON/OFF"}},
    {320, kFontBright, {"-AUFNEHMEN UND ABSPIELEN", "-RECORDING AND REPLAYING"}},
    {340, kFontLarge, {" ,AUFNEHMEN: KLUMPIX --record DATEI", " ,RECORD: KLUMPIX --record FILE"}},
    {360, kFontLarge, {" ,ABSPIELEN: SIEHE KLUMPIX --help", " ,REPLAY: SEE KLUMPIX --help"}},
    {380, kFontBright, {"-BILDER UND KL\xc4NGE", "-PICTURES AND SOUNDS"}},
    {400, kFontLarge, {" ,ALLE VOM SPIEL SELBST ERZEUGT", " ,ALL MADE BY THE GAME ITSELF"}},
    {440, kFontLarge, {"ALLES BEI:", "ALL OF IT IN:"}},
    {460, kFontBright, {"           KLUMPIX --help", "           KLUMPIX --help"}},
    {480, kFontLarge, {"KONTAKT:", "CONTACT:"}},
    {500, kFontBright, {"           DAS README DES SPIELS", "           THE README FILE"}},
};

// The page in the browser names what a player there has: no keys, no
// command line, no files of its own.
constexpr PageLine kBrowserInfoLines[] = {
    {100,
     kFontLarge,
     {"KLUMPIX " KLUMPIX_VERSION " - DAS KLUMPIX-TEAM",
      "KLUMPIX " KLUMPIX_VERSION " - THE KLUMPIX TEAM"}},
    {140, kFontBright, {"-SPRACHE", "-LANGUAGE"}},
    {160,
     kFontLarge,
     {" ,SCHALTER \xdc"
      "BER DEM BILD",
      " ,SWITCH ABOVE THE PICTURE"}},
    {180, kFontBright, {"-VOLLBILD", "-FULL SCREEN"}},
    {200, kFontLarge, {" ,KNOPF AUF DIESER SEITE", " ,BUTTON ON THIS PAGE"}},
    {220, kFontBright, {"-MIT DEM FINGER", "-TOUCH"}},
    {240,
     kFontLarge,
     {" ,LANGE DR\xdc"
      "CKEN: LEISER, DUNKLER",
      " ,LONG PRESS: QUIETER, DARKER"}},
    {260, kFontLarge, {" ,2 FINGER TIPPEN: SOUND AN/AUS", " ,TWO-FINGER TAP: SOUND ON/OFF"}},
    {280, kFontBright, {"-MIT DER MAUS", "-MOUSE"}},
    {300, kFontLarge, {" ,RECHTE TASTE: LEISER, DUNKLER", " ,RIGHT BUTTON: QUIETER, DARKER"}},
    {320, kFontLarge, {" ,STRG UND KLICK: SOUND AN/AUS", " ,CTRL AND CLICK: SOUND ON/OFF"}},
    {340, kFontBright, {"-IN DIESEM BROWSER GESPEICHERT", "-KEPT IN THIS BROWSER"}},
    {360, kFontLarge, {" ,SIEGERLISTE UND EINSTELLUNGEN", " ,WINNERS TABLE AND SETTINGS"}},
    {380, kFontBright, {"-BILDER UND KL\xc4NGE", "-PICTURES AND SOUNDS"}},
    {400, kFontLarge, {" ,ALLE VOM SPIEL SELBST ERZEUGT", " ,ALL MADE BY THE GAME ITSELF"}},
};

// Where the best games are kept, a click on the first place watches one.
constexpr PageLine kDesktopWatchLine{
    360, kFontLarge, {" ,ANSEHEN: 1. PLATZ ANKLICKEN", " ,WATCH: CLICK THE 1ST PLACE"}};
constexpr PageLine kBrowserWatchLines[] = {
    {420, kFontBright, {"-ANSEHEN", "-WATCHING"}},
    {440, kFontLarge, {" ,1. PLATZ ANKLICKEN: SEIN SPIEL", " ,CLICK THE 1ST PLACE: ITS GAME"}},
    {460,
     kFontLarge,
     {" ,AUFNAHME \xd6"
      "FFNEN: KNOPF UNTEN",
      " ,OPEN A RECORDING: BUTTON BELOW"}},
};

// The places the start-up names in words rather than as a path (see
// ResetGame and the desktop's start-up); a path stands as it is.
constexpr Words kPlaceWords[] = {
    {"GROAR.DAT IM ARBEITSORDNER", "GROAR.DAT IN THE WORK FOLDER"},
    {"KEINE (OHNE FENSTER)", "NONE (NO WINDOW)"},
    {"KEINE", "NONE"},
};

constexpr std::int16_t kInfoLeft = 90;

template <std::size_t N>
void WritePlace(Game& g, std::int16_t y, const FixedText<N>& place) {
  FixedText<60> line;
  line.Assign(" ,");
  const char* shown = place.c_str();
  for (const Words& words : kPlaceWords) {
    if (place == words.de) shown = InLanguage(g, words);
  }
  line.Append(shown);
  WriteText(g, kInfoLeft, y, kFontLarge, 0, line.c_str());
}

}  // namespace

// The info page: who made the game, where it keeps its files and how to use it.
void RunInfoScreen(Game& g) {
  AddCornerLights(g, 40, 40, 660, 560, 1.5);
  if (g.files.kept_in_browser) {
    WritePage(g, kInfoLeft, kBrowserInfoLines);
    if (g.files.best_games_kept) WritePage(g, kInfoLeft, kBrowserWatchLines);
    return;
  }
  for (const PageLine& line : kInfoLines) {
    const bool watch = g.files.best_games_kept && line.y == kDesktopWatchLine.y;
    const PageLine& shown = watch ? kDesktopWatchLine : line;
    WriteText(g, kInfoLeft, shown.y, shown.font, 0, InLanguage(g, shown.text));
  }
  WritePlace(g, 220, g.files.info_winners_place);
  WritePlace(g, 240, g.files.info_settings_place);
}

}  // namespace klumpix
