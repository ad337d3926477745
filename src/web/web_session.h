#pragma once
// Everything the page's game keeps between animation frames: one per page.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/best_games.h"
#include "app/driver.h"
#include "app/input_script.h"
#include "app/pointer_events.h"
#include "app/run_winners.h"
#include "app/settings.h"
#include "shell/assets.h"
#include "shell/frame.h"
#include "shell/game.h"
#include "web/web_sound.h"
#include "web/web_watch.h"

namespace klumpix {

// Where the page keeps the files it stores (web/klumpix_page.js fills the
// folder from the browser's storage before main() runs; without storage the
// folder is absent and saving fails on screen, as on a read-only disk).
constexpr const char* kPageWinnersPath = "/data/groar.dat";
constexpr const char* kPageSettingsPath = "/data/settings";
// The session the page stored before this load, laid there by the page when
// there is one to go on with (web_resume.h).
constexpr const char* kPageSessionPath = "/session/running.txt";

struct WebSession {
  Game game;
  Frame frame;
  PictureSet pictures;
  RunWinners winners;  // opened by main(), once the page has laid out its files
  std::optional<FirstPlaceNotice> first_place;  // over `winners`: the live game saves here
  std::optional<BestGameKeeper> best_games;     // while the page keeps its games
  WebSoundSink sound;
  PointerTranslator pointer;
  Settings kept_settings;     // as last written to the page's storage
  bool recording_on = false;  // ?record: klumpix.recording() hands it out
  // Every event of the session, kept for the page's stored session and its
  // best games; grows in the pointer handlers, and as a stored session's
  // events are delivered again while it is replayed.
  std::vector<InputEvent> recording;
  // A stored session going on: it is replayed up to its tick before the
  // game goes on live (web_resume.h).
  bool replaying = false;
  InputScript replayed;
  RunWinners replay_winners;  // the stored session's own table, in memory
  std::optional<FirstPlaceNotice> replay_first_place;
  WebWatch watch;
  int picture_step = 0;  // the next step of painting the pictures (web_pictures.h)
  std::optional<Driver> driver;
  std::uint8_t rgba[kScreenWidth * kScreenHeight * 4] = {};
  // The picture `rgba` was last converted from, and whose it was: the
  // player's frame, a watched recording's, or none yet.
  std::uint16_t presented[kScreenWidth * kScreenHeight] = {};
  const Frame* presented_from = nullptr;
  bool told_first_picture = false;
  std::string text;  // the last text handed to the page
  // The last game whose name entry was confirmed, as the world table takes
  // it (JSON: name, type, score, recording); empty once the page has it.
  std::string confirmed_game;
};

// The page's session, made by main().
WebSession& Session();
void MakeSession();

// Runs the animation-frame loop (web_main.cpp) unless it runs already: it
// stops when the player's game has ended and no recording is watched.
void StartFrameLoop();
// Shows the player's game's last picture again, as when a watching ends.
void PresentPlayersPicture();

}  // namespace klumpix
