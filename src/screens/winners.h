#pragma once
// The winners table and its record format, groar.dat's.
#include <cstddef>

namespace klumpix {

struct Game;
class WinnersStorage;

// groar.dat's size: record 60 (type 8, place 5) is the last one in use.
constexpr std::size_t kWinnersFileSize = 976;

// Fills the table from the storage; never fails (a missing or damaged table
// leaves starter entries where no whole record could be read).
void ReadWinners(Game& g, WinnersStorage& storage);
// The same from the bytes of such a file.
void DecodeWinners(const unsigned char* bytes, std::size_t size, Game& g);
// Hands the table to the storage. False if it could not be kept; the old
// table then stays as it was. Entries that another copy of the game added to
// the kept table meanwhile are merged into this table.
bool SaveWinners(Game& g, WinnersStorage& storage);
// Merges into `table` (groar.dat's format) the entries another copy of the
// game added when it changed the kept table from `seen` to `now`: each goes
// to the place its score earns, below equal scores; every entry of `table`
// that a newcomer does not push out stays.
void MergeAddedWinners(unsigned char* table, const unsigned char* seen, std::size_t seen_size,
                       const unsigned char* now, std::size_t now_size);
// The table a fresh installation starts with.
void SetStarterWinners(Game& g);

}  // namespace klumpix
