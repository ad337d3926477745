#pragma once
// A recording played back: its game stepped again tick by tick, with copies
// of the simulation kept along the way so that any moment of it is reached
// again in a few hundred ticks at most.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/input_script.h"
#include "shell/game.h"
#include "shell/winners_storage.h"

namespace klumpix {

class SoundSink;

// The longest recording that is watched: twelve hours of play.
constexpr std::int32_t kMaxWatchTicks = 12 * 3600 * 1000 / 33;
// How long the picture goes on after the last event of a recording that
// does not end with the player quitting.
constexpr std::int32_t kWatchTailTicks = 30;

class WatchedGame {
 public:
  // Steps the whole recording once without drawing, to learn where it ends
  // and to keep its copies, and stands at its first tick. False with a
  // reason when it is longer than twelve hours.
  bool Open(const InputScript& script, std::string& error);

  // Where watching begins: the tick a kept game began at, else 0.
  std::int32_t FirstTick() const { return first_tick_; }
  // The tick_count at which the recording is over.
  std::int32_t EndTick() const { return end_tick_; }
  // The tick_count of the game shown now.
  std::int32_t Now() const { return now_->game.tick_count; }
  bool AtEnd() const { return Now() >= end_tick_; }
  const Game& game() const { return now_->game; }

  // Runs one tick; nothing at the end.
  void Step();
  // Goes to tick_count `tick`, kept between the first and the end tick,
  // from the nearest copy at or before it.
  void SeekTo(std::int32_t tick);

  // Copies kept: one every this many ticks (at least ten seconds of play;
  // more for long recordings, so that at most kMaxSnapshots are kept).
  std::int32_t SnapshotInterval() const { return interval_; }
  static constexpr int kMaxSnapshots = 128;

 private:
  // Everything a tick changes: the game, the table it saves into and how far
  // the script's events are delivered.
  struct Moment {
    Game game;
    WinnersInMemory winners;
    std::size_t next_event = 0;
  };
  void StepMoment(Moment& m) const;

  std::vector<InputEvent> events_;
  std::unique_ptr<Moment> now_;
  std::vector<std::unique_ptr<Moment>> snapshots_;  // [k] at tick_count k * interval_
  std::int32_t interval_ = 300;
  std::int32_t first_tick_ = 0;
  std::int32_t end_tick_ = 0;
};

}  // namespace klumpix
