#pragma once
// Watching a recording in the window: the recorded game with its sounds, the
// watcher's keys and the controls over the picture. The player's pointer
// never reaches the watched game.
#include <csignal>

namespace klumpix {

class SoundSink;
class Video;
class WatchedGame;
struct PictureSet;

enum class WatchEnd {
  kClosed,  // "close" was chosen: back to where the player was
  kQuit,    // the window was closed or the program told to stop
};

// Plays `watched` until the watcher closes it or the program is to stop;
// `stop` says the latter from outside (a signal).
WatchEnd WatchInWindow(Video& video, const PictureSet& pictures, SoundSink* sound,
                       WatchedGame& watched, const volatile std::sig_atomic_t& stop);

}  // namespace klumpix
