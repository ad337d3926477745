#pragma once
// What a watcher does with a recording: pause, step, speed, seek and the
// choice at its end, and the controls drawn over the picture for it. The
// controls belong to the platform's view, not to the watched game: they are
// in no state dump and no recording.
#include <cstdint>

#include "app/watched_game.h"

namespace klumpix {

struct Frame;
struct PictureSet;
class SoundSink;

enum class WatchKey {
  kPauseResume,  // Space
  kStepOn,       // Right, while paused
  kFaster,       // +
  kSlower,       // -
  kHome,         // back to the start
  kEnd,          // to the last tick
};

enum class WatchAnswer { kGoOn, kClose };

class WatchControls {
 public:
  explicit WatchControls(WatchedGame& watched) : watched_(watched) {}

  void Key(WatchKey key);
  // A press of the left button at (x, y) in the picture's coordinates: the
  // buttons, the progress bar, and at the end "watch again" and "close".
  WatchAnswer Press(int x, int y);
  // One tick period has passed: steps as many ticks as the speed says,
  // handing `sound` the sounds of each at the two slow speeds.
  void Period(SoundSink* sound);

  bool Paused() const { return paused_ || watched_.AtEnd(); }
  int Speed() const;
  // Whether the picture changed since it was last drawn.
  bool NeedsPicture() const { return changed_; }
  // The picture of the tick shown now, with the controls over it.
  void Draw(const PictureSet& pictures, Frame& frame);

 private:
  void SeekTo(std::int32_t tick);

  WatchedGame& watched_;
  bool paused_ = false;
  int speed_index_ = 0;
  bool changed_ = true;
};

}  // namespace klumpix
