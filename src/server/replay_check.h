#pragma once
// Whether a recording proves the score sent with it: the recording is replayed
// in memory, without pictures, and only what the replay reached counts.
#include <cstdint>
#include <string>
#include <string_view>

namespace klumpix::server {

// Bounds on one replay, so that no recording can hold a worker for long.
struct ReplayLimits {
  std::size_t max_bytes = 2 * 1024 * 1024;
  std::int32_t max_ticks = 400000;
  double max_cpu_seconds = 10.0;
};

// What a player says the recording holds.
struct Claim {
  std::string name;
  std::int32_t type = 0;
  std::int32_t score = 0;
};

struct ReplayVerdict {
  bool proven = false;
  std::string reason;      // why not, in a sentence a player can read
  std::int32_t ticks = 0;  // replayed
  Claim game;              // the game the recording proves
  // What is kept of a proven recording: its header lines and the events
  // through the tick that confirmed the name, written the one way this
  // program writes scripts. The same game sent twice, with comments, other
  // spacing or more events after it, gives the same proof.
  std::string proof;
};

// The game a recording proves is the last one whose name entry it confirms:
// a recording is a session from the program's start up to the end of that
// game, so a game confirmed earlier in the same session is not what it is
// sent for, and whatever follows the last confirmation (a new board, a game
// left unfinished, JA) proves nothing and is allowed. Recordings are made by
// the game, so the header must name this version and carry the seed and the
// winners table the session began with. The replay runs
// through the tick of the last event. The claim stands when that game's
// type, score and confirmed name are the claimed ones. Reads and writes no
// file.
ReplayVerdict CheckRecording(std::string_view recording, const Claim& claim,
                             const ReplayLimits& limits);

// The game a recording proves, whatever is claimed: `proven` with `game`
// and `proof` filled in, or the reason why it proves none.
ReplayVerdict ReplayRecording(std::string_view recording, const ReplayLimits& limits);

// The version a recording must name: this program's.
const char* AcceptedVersion();

}  // namespace klumpix::server
