#pragma once
// A recording watched on the page: opened from a file the player chose or
// dropped, or from a board's kept game. The player's game stands still
// meanwhile and the canvas shows the watched game with its controls.
#include <cstddef>
#include <memory>
#include <string>

#include "app/tick_pace.h"
#include "app/watch_controls.h"
#include "app/watched_game.h"

namespace klumpix {

struct Frame;
struct InputScript;
struct PictureSet;
class SoundSink;

// The largest recording the page opens: far more than a day of busy play.
constexpr std::size_t kMaxRecordingBytes = 16u << 20;

class WebWatch {
 public:
  WebWatch();
  ~WebWatch();

  // Starts watching the recording in the file at `path`, named `name` in
  // what it says; false with the reason, and whatever was shown stays.
  bool OpenFile(const char* path, const std::string& name, std::string& error);
  bool Active() const { return controls_ != nullptr; }
  void Key(WatchKey key);
  // A press of the left button at (x, y) in the picture: true when it
  // closes the watched game.
  bool Press(int x, int y);
  // Runs the tick periods due at `now_ms` and returns the picture when it
  // changed, else null. While `paused` nothing runs, as the player's game.
  Frame* Pump(double now_ms, bool paused, SoundSink* sound, const PictureSet& pictures);
  // The game shown now; only while Active().
  const Game& game() const { return watched_->game(); }

 private:
  void Close();

  std::unique_ptr<WatchedGame> watched_;
  std::unique_ptr<WatchControls> controls_;  // over *watched_
  std::unique_ptr<Frame> frame_;             // its own, so the player's picture stays
  TickPace pace_;
};

}  // namespace klumpix
