#pragma once
// A reload or a tab the browser killed does not lose the game: the page
// stores the session's recording with its tick_count as it goes, and the
// next load replays it without drawing or sound up to that tick, then goes
// on live with the same recording, as if nothing had happened.
#include <cstdint>
#include <string>

namespace klumpix {

class RunPlatform;
struct InputScript;
struct WebSession;

// Reads the session stored at kPageSessionPath, which the page took at
// tick_count `tick`. False when there is none; a damaged one is false with
// the reason in `error`.
bool LoadStoredSession(std::int32_t tick, InputScript& script, std::string& error);

// Starts the session's game on `script` (seed, start values and the table it
// began with) and the replay up to `tick`; the player's table is opened for
// the live game.
void BeginReplay(WebSession& s, InputScript script, std::int32_t tick, RunPlatform& platform);

// Replays for a share of an animation frame; once the stored tick is
// reached the live game takes over.
void ContinueReplay(WebSession& s, RunPlatform& platform);

}  // namespace klumpix
