#pragma once
// The winners table a run starts with, and where the run keeps it.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "screens/winners.h"
#include "shell/winners_storage.h"

namespace klumpix {

struct InputScript;

// One place of the table as a recording's `winner` line carries it.
struct WinnerEntry {
  std::int32_t type = 1;
  std::int32_t place = 1;
  std::int32_t score = 0;
  std::string name;  // Windows-1252 bytes, at most eight

  bool operator==(const WinnerEntry&) const = default;
};

// The forty places of the table in groar.dat's format, as the game reads them.
std::vector<WinnerEntry> EntriesOfTable(const unsigned char* bytes, std::size_t size);
// The table in groar.dat's format: the given places, starter entries elsewhere.
void TableOfEntries(const std::vector<WinnerEntry>& entries, unsigned char* bytes);

struct RunWinners {
  std::unique_ptr<WinnersStorage> storage;  // handed to the ticks
  bool from_script = false;                 // kept in memory only: the run writes no file
  std::vector<WinnerEntry> at_start;        // what the start-up tick will read
};

// A script that carries a table plays on that table and keeps it in memory;
// otherwise the table is the file at `path`, read now, before the first tick,
// so that a recording can begin with it, and saved there.
RunWinners OpenRunWinners(const InputScript& script, const std::string& path);

}  // namespace klumpix
