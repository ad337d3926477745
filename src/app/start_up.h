#pragma once
// What the headless and the interactive runs do alike before the first tick.
#include <cstdint>
#include <string>
#include <vector>

#include "app/input_script.h"
#include "app/options.h"
#include "shell/game.h"
#include "tick/tick.h"

namespace klumpix {

struct Game;
struct PictureSet;

// Where the pictures are looked for, in order: res/ under the working
// directory, res/ beside the executable, share/klumpix/res of the prefix the
// executable is installed in. The first that holds every picture is used.
std::vector<std::string> PictureFolders();

// The seed of this run: --seed, else the script's seed line, else the clock.
std::uint64_t ChooseSeed(const Options& options, const InputScript& script);

// Reads the --input script if one is given (an empty script otherwise).
bool LoadScriptOption(const Options& options, InputScript& script, std::string& error);

// Resets the game, seeds it, gives it its start values and creates the form.
void StartGame(Game& g, std::uint64_t seed, const StartValues& start);

// Everything before the first tick of a run: checks that the output files can
// be written, reads the script, picks the seed and the start values (the
// script's start line, else `start`, with --language over either's
// language), starts the game. Returns 0, or 2 after printing why an output
// or the script is bad.
int PrepareRun(const Options& options, InputScript& script, Game& g,
               const StartValues& start = kDefaultStartValues);

// Loads the thirteen pictures; they are needed from the start-up tick on.
// False after printing which file is damaged, or every place looked in, each
// with a picture it lacks, when none holds them.
bool LoadGamePictures(PictureSet& pictures);

// Writes `bytes` as the file at `path` (see WriteFileAtomically), waiting a
// while for a FIFO's reader; false after printing why not.
bool WriteOutputFile(const std::string& path, const void* bytes, std::size_t size);

}  // namespace klumpix
