#pragma once
// Everything the page's game keeps between animation frames: one per page.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/driver.h"
#include "app/input_script.h"
#include "app/pointer_events.h"
#include "app/run_winners.h"
#include "app/settings.h"
#include "shell/assets.h"
#include "shell/frame.h"
#include "shell/game.h"
#include "web/web_sound.h"

namespace klumpix {

// Where the page keeps the files it stores (web/klumpix_page.js fills the
// folder from the browser's storage before main() runs; without storage the
// folder is absent and saving fails on screen, as on a read-only disk).
constexpr const char* kPageWinnersPath = "/data/groar.dat";
constexpr const char* kPageSettingsPath = "/data/settings";

struct WebSession {
  Game game;
  Frame frame;
  PictureSet pictures;
  RunWinners winners;  // opened by main(), once the page has laid out its files
  WebSoundSink sound;
  PointerTranslator pointer;
  Settings kept_settings;  // as last written to the page's storage
  bool recording_on = false;
  std::vector<InputEvent> recording;  // grows in the pointer handlers, never in a tick
  int picture_step = 0;               // the next step of painting the pictures (web_pictures.h)
  std::optional<Driver> driver;
  std::uint8_t rgba[kScreenWidth * kScreenHeight * 4] = {};
  // The picture `rgba` was last converted from; until the first, nothing.
  std::uint16_t presented[kScreenWidth * kScreenHeight] = {};
  bool presented_once = false;
  std::string text;  // the last text handed to the page
};

// The page's session, made by main().
WebSession& Session();
void MakeSession();

}  // namespace klumpix
