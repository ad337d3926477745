#pragma once
// Hands input events to the mouse handlers at the ticks they are stamped with.
#include <cstddef>
#include <vector>

#include "app/input_script.h"

namespace klumpix {

struct Game;

// Calls the mouse handler that `event` stands for.
void DeliverInputEvent(Game& g, const InputEvent& event);

// Walks a script's events in file order. Everything stamped at or before the
// coming tick is delivered before it runs.
class EventFeed {
 public:
  // Starts at the event with index `next`: 0, or where a snapshot left off.
  explicit EventFeed(const std::vector<InputEvent>& events, std::size_t next = 0)
      : events_(events), next_(next) {}

  // Delivers the events due before the tick with g.tick_count; each one is
  // also appended to `delivered` when that is given (for --record).
  void DeliverDue(Game& g, std::vector<InputEvent>* delivered);

  bool Done() const { return next_ == events_.size(); }
  // The index of the next event to deliver.
  std::size_t Next() const { return next_; }

 private:
  const std::vector<InputEvent>& events_;
  std::size_t next_ = 0;
};

}  // namespace klumpix
