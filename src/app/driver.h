#pragma once
// The loop every run shares, window, page and headless alike: the script's
// events due before a tick, the tick, its picture and sounds, the platform's
// work between ticks, and when the run ends.
#include <cstdint>
#include <optional>
#include <vector>

#include "app/event_feed.h"
#include "app/input_script.h"
#include "app/tick_pace.h"

namespace klumpix {

struct Frame;
struct Game;
struct PictureSet;
class SoundSink;
class WinnersStorage;

// What a platform gives the loop. Each method has a default that does
// nothing, as a run without a window or sound wants it.
class RunPlatform {
 public:
  virtual ~RunPlatform() = default;
  // Just before a tick runs.
  virtual void BeforeTick() {}
  // Whether the tick that just ran is drawn; `last` says the run ends with it.
  virtual bool WantsPicture(bool last) { return last; }
  // Shows the picture of the tick that just ran.
  virtual void Present(Frame&) {}
  // Where the tick's sounds are played; null for none.
  virtual SoundSink* Sound() { return nullptr; }
  // After the tick that ran with tick_count `tick`: the platform's own work
  // between ticks. An exit status ends the run; -1 goes on.
  virtual int AfterTick(Game&, std::int32_t /*tick*/) { return -1; }
};

class Driver {
 public:
  Driver(Game& g, Frame& frame, const PictureSet& pictures, WinnersStorage& winners,
         RunPlatform& platform);

  // Delivers these events before the ticks they are stamped with, each also
  // appended to `recording` when that is given.
  void FeedScript(const std::vector<InputEvent>& events, std::vector<InputEvent>* recording);
  // Ends the run before the tick with this count (--ticks N).
  void StopAt(std::int32_t tick_count);

  // Runs one tick now.
  void RunTick();
  // Runs a tick if one is due at `now_ms` and returns when the next one is
  // due. While `paused`, or while the game's timer is off, no tick runs and
  // the pace starts afresh: a pause or a slow machine is not made up for.
  double Pump(double now_ms, bool paused);

  bool Ended() const { return status_ >= 0; }
  // 0 when the player quit or the stop tick came; else the platform's status.
  int ExitStatus() const { return status_; }

 private:
  Game& g_;
  Frame& frame_;
  const PictureSet& pictures_;
  WinnersStorage& winners_;
  RunPlatform& platform_;
  std::optional<EventFeed> feed_;
  std::vector<InputEvent>* recording_ = nullptr;
  std::int32_t stop_tick_ = -1;
  TickPace pace_;
  int status_ = -1;
};

}  // namespace klumpix
