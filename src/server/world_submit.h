#pragma once
// `klumpix --submit FILE --server URL`: sends a kept best game (or any
// recording of a session) to a world table.
#include <string>

namespace klumpix::server {

// Replays the recording at `path` here first, to claim the game it proves
// (its type, score and name), then sends it to `server` (http:// or
// https://). Prints what the table answered. 0 when the game was kept, 1
// when it was refused or could not be sent, 2 when the file cannot be read
// or proves no game.
int SubmitRecording(const std::string& path, const std::string& server);

}  // namespace klumpix::server
