#include "app/watched_game.h"

#include <algorithm>
#include <cstring>

#include "app/event_feed.h"
#include "app/run_winners.h"
#include "app/start_up.h"
#include "screens/winners.h"
#include "tick/tick.h"

namespace klumpix {

void WatchedGame::StepMoment(Moment& m) const {
  EventFeed feed(events_, m.next_event);
  feed.DeliverDue(m.game, nullptr);
  m.next_event = feed.Next();
  DXTimer1Timer(m.game, m.winners);
}

bool WatchedGame::Open(const InputScript& script, std::string& error) {
  events_ = script.events;
  const std::int32_t last_event = events_.empty() ? 0 : events_.back().tick;
  first_tick_ = script.from_tick;
  const std::int32_t latest_end =
      std::max({last_event, first_tick_, kStartUpTick}) + kWatchTailTicks;
  if (latest_end > kMaxWatchTicks) {
    error = "the recording is longer than twelve hours";
    return false;
  }
  interval_ = std::max(300, (latest_end + kMaxSnapshots - 1) / kMaxSnapshots);

  // The game as the recording started it: its seed, its settings and the
  // table it carries (the starter table when it carries none). The player's
  // own files are never read or written.
  auto start = std::make_unique<Moment>();
  StartGame(start->game, script.has_seed ? script.seed : 0,
            script.has_start ? script.start : kDefaultStartValues);
  if (script.has_winners) {
    unsigned char table[kWinnersFileSize];
    TableOfEntries(script.winners, table);
    start->winners.Save(table, sizeof table);
  }

  snapshots_.clear();
  auto m = std::make_unique<Moment>(*start);
  end_tick_ = latest_end;
  while (m->game.tick_count < end_tick_) {
    if (m->game.tick_count % interval_ == 0) snapshots_.push_back(std::make_unique<Moment>(*m));
    StepMoment(*m);
    // A game the player quit is over with that tick.
    if (m->game.quit_requested) end_tick_ = m->game.tick_count;
  }
  first_tick_ = std::min(first_tick_, end_tick_);
  now_ = std::move(start);
  SeekTo(first_tick_);
  return true;
}

void WatchedGame::Step() {
  if (!AtEnd()) StepMoment(*now_);
}

void WatchedGame::SeekTo(std::int32_t tick) {
  tick = std::clamp(tick, first_tick_, end_tick_);
  // Only a jump back, or one past the next copy, starts from a copy.
  const std::size_t k = std::min(snapshots_.size() - 1, static_cast<std::size_t>(tick / interval_));
  const Moment& copy = *snapshots_[k];
  if (tick < Now() || copy.game.tick_count > Now()) *now_ = copy;
  while (Now() < tick) StepMoment(*now_);
}

}  // namespace klumpix
