#pragma once
// Timestamps for measuring the frame loop from outside: with the environment
// variable KLUMPIX_TICK_LOG=FILE set, the interactive run appends one line per
// tick to FILE. Off (and free) otherwise.
//
//   MONO_US                         each tick, as its timer callback starts
//   first_picture MONO_US WALL_US   once, when the start-up tick's picture
//                                   (the first that is not black) is shown
//   watch TICK SPEED PAUSED         each picture of a watched recording: the
//                                   tick_count shown, the speed, 1 if paused
//
// MONO_US is the monotonic clock in microseconds; WALL_US is the wall clock in
// microseconds since 1970, so a script can tell how long after its launch the
// window showed its first picture.
#include <cstdio>

namespace klumpix {

class TickLog {
 public:
  TickLog();
  TickLog(const TickLog&) = delete;
  TickLog& operator=(const TickLog&) = delete;
  ~TickLog();

  void Tick();
  // After each present; `ticks_run` is the game's tick_count after the tick.
  void Presented(int ticks_run);
  // After each picture of a watched recording.
  void Watched(int tick, int speed, bool paused);

 private:
  std::FILE* file_ = nullptr;
  bool pictured_ = false;
};

}  // namespace klumpix
