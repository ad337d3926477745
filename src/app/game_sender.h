#pragma once
// Where a played game goes when the player has named a world winners table
// in the settings: the window hands each confirmed name entry's recording to
// a sender, which the program provides when it can send at all.
#include <string>

namespace klumpix {

class GameSender {
 public:
  virtual ~GameSender() = default;
  // Sends `recording` to the world table at `server` without holding up the
  // game; what the table answered is said on stderr.
  virtual void Send(const std::string& recording, const std::string& server) = 0;
};

}  // namespace klumpix
