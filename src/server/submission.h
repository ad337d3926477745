#pragma once
// The body of a score sent to the world table, and the names it may carry.
#include <string>
#include <string_view>

#include "server/replay_check.h"

namespace klumpix::server {

struct Submission {
  Claim claim;
  std::string recording;
};

// Reads {"name": "...", "type": T, "score": S, "recording": "..."}: one JSON
// object of those four members, in any order, nothing else. False with a
// sentence in `error` otherwise.
bool ParseSubmission(std::string_view body, Submission& submission, std::string& error);

// A name the game's own name entry can make: one to seven of the letters it
// offers, A to Z, or "-", which ENTER keeps for a name left empty.
bool IsGameName(std::string_view name);

}  // namespace klumpix::server
