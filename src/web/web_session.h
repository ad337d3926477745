#pragma once
// Everything the page's game keeps between animation frames: one per page.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/input_script.h"
#include "app/pointer_events.h"
#include "app/settings.h"
#include "shell/assets.h"
#include "shell/game.h"
#include "web/web_sound.h"

namespace klumpix {

struct WebSession {
  Game game;
  PictureSet pictures;
  WebSoundSink sound;
  PointerTranslator pointer;
  Settings kept_settings;  // as last written to the page's storage
  bool recording_on = false;
  std::vector<InputEvent> recording;  // grows in the pointer handlers, never in a tick
  std::int32_t stop_tick = -1;        // the tick count at which the page stops; -1 never
  bool stopped = false;
  int picture_step = 0;  // the next step of painting the pictures (web_pictures.h)
  double next_due_ms = 0;
  std::uint8_t rgba[kScreenWidth * kScreenHeight * 4] = {};
  std::string text;  // the last text handed to the page
};

// The page's session, made by main().
WebSession& Session();
void MakeSession();

}  // namespace klumpix
