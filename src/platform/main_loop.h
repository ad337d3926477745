#pragma once
// The interactive run: window, sound, mouse and the 33 ms frame timer.
// Called by main() when --headless is not given.
namespace klumpix {

class GameSender;
struct Options;

// Plays until the player quits or closes the window. Returns the exit
// status: 0 done, 1 a picture or the window could not be opened, 2 a bad
// input script.
// `sender`, when the program can send games, takes every confirmed name
// entry's game to the world table the settings name.
int RunInteractive(const Options& options, GameSender* sender);

}  // namespace klumpix
