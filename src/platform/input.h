#pragma once
// The window's mouse events, turned into the game's four handler calls.
// Called by main_loop for every SDL event.
#include <vector>

#include "app/input_script.h"
#include "app/pointer_events.h"

union SDL_Event;

namespace klumpix {

struct Game;

class Input {
 public:
  // Each call delivered is also appended to `recording` when that is given.
  explicit Input(std::vector<InputEvent>* recording) : recording_(recording) {}

  // Hands a mouse or keyboard event to the game; other events are ignored.
  void Handle(const SDL_Event& event, Game& g);
  // Takes the Ctrl state afresh (keys may have changed while we were away).
  void SyncModifiers();

 private:
  void Deliver(const PointerCalls& calls, Game& g);

  PointerTranslator translator_;
  std::vector<InputEvent>* recording_;
  bool ctrl_ = false;
};

}  // namespace klumpix
