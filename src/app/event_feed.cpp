#include "app/event_feed.h"

#include "shell/game.h"
#include "shell/mouse.h"

namespace klumpix {

void DeliverInputEvent(Game& g, const InputEvent& event) {
  switch (event.kind) {
    case InputKind::kMove:
      DXDraw1MouseMove(g, event.x, event.y);
      break;
    case InputKind::kDown:
      DXDraw1MouseDown(g, event.button, event.ctrl);
      break;
    case InputKind::kUp:
      DXDraw1MouseUp(g, event.button);
      break;
    case InputKind::kClick:
      DXDraw1Click(g);
      break;
  }
}

void EventFeed::DeliverDue(Game& g, std::vector<InputEvent>* delivered) {
  while (next_ < events_.size() && events_[next_].tick <= g.tick_count) {
    const InputEvent& event = events_[next_++];
    DeliverInputEvent(g, event);
    if (delivered != nullptr) delivered->push_back(event);
  }
}

}  // namespace klumpix
