#pragma once
// The command line, and the page's query read the same way: what the player
// or a tool asked this run to do.
#include <cstdint>
#include <string>

#include "shell/language.h"

namespace klumpix {

struct Options {
  bool window = false;    // a resizable window instead of full screen
  bool headless = false;  // no window, no audio: run ticks as fast as possible
  bool check = false;     // headless: check the play state after every tick
  bool help = false;
  bool version = false;
  bool has_seed = false;
  std::uint64_t seed = 0;
  bool has_ticks = false;
  std::int32_t ticks = 0;
  bool record = false;        // record the input (to record_path on the desktop)
  bool has_language = false;  // --language: over the locale, settings and script
  Language language = Language::kGerman;
  std::string record_path;
  std::string input_path;
  std::string watch_path;   // --watch: a recording to watch in the window
  std::string submit_path;  // --submit: a recording to send to the world table
  std::string server_url;   // --server: that table's address
  std::string state_path;
  std::string trace_path;
  std::string screenshot_path;
};

// Who gives the options: the desktop's command line, or the page, whose
// script passes its query as options (`?seed=N` as `--seed N`, `?record` as
// `--record`, `?ticks=N` as `--ticks N`).
enum class OptionSource { kCommandLine, kPage };

// Reads argv into `options`. On a bad option returns false and `error` says
// what is wrong in one line.
bool ParseOptions(int argc, const char* const* argv, Options& options, std::string& error,
                  OptionSource source = OptionSource::kCommandLine);

// Whether every output file named (--record, --state, --trace, --screenshot)
// can be written; false with a one-line reason for a folder, a socket or a
// block device in its place, so a run never starts that could not keep its
// results.
bool OutputsWritable(const Options& options, std::string& error);

// Reads the command line as a program's main() does: prints what is wrong
// (exit status 2), or --help or --version (0). -1: go on and run `options`.
int ReadCommandLine(int argc, const char* const* argv, Options& options);

// The text of --help and --version.
const char* UsageText();
const char* VersionText();

// Reads a whole decimal number in [0, max]; false for anything else.
bool ParseDecimal(const std::string& text, std::uint64_t max, std::uint64_t& value);

}  // namespace klumpix
