#pragma once
// The headless run: no window, no audio device, ticks as fast as they go.
namespace klumpix {

struct Options;

// Runs the game as `options` say and writes the files they ask for. Returns
// the exit status: 0 done, 1 a picture or output file failed, 2 a bad input
// script, 3 a --check found the play state broken.
int RunHeadless(const Options& options);

}  // namespace klumpix
