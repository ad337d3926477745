#pragma once
// `klumpix --submit FILE --server URL`: sends a kept best game (or any
// recording of a session) to a world table.
#include <string>
#include <thread>
#include <vector>

#include "app/game_sender.h"

namespace klumpix::server {

// Replays the recording at `path` here first, to claim the game it proves
// (its type, score and name), then sends it to `server` (http:// or
// https://). Prints what the table answered. 0 when the game was kept, 1
// when it was refused or could not be sent, 2 when the file cannot be read
// or proves no game.
int SubmitRecording(const std::string& path, const std::string& server);

// Sends the game a recording proves, as SubmitRecording does with a file;
// `source` names the recording in messages.
int SubmitRecordingText(const std::string& recording, const std::string& source,
                        const std::string& server);

// The window's sender: each game on a thread of its own, every one of them
// finished before the program ends.
class WorldSender : public GameSender {
 public:
  ~WorldSender() override;
  void Send(const std::string& recording, const std::string& server) override;

 private:
  std::vector<std::thread> sending_;
};

}  // namespace klumpix::server
