#pragma once
// The winners table and its record format, groar.dat's.
#include <cstddef>

namespace klumpix {

struct Game;
class WinnersStorage;

// Fills the table from the storage; never fails (a missing or damaged table
// leaves starter entries where no whole record could be read).
void ReadWinners(Game& g, WinnersStorage& storage);
// The same from the bytes of such a file.
void DecodeWinners(const unsigned char* bytes, std::size_t size, Game& g);
// Hands the table to the storage. False if it could not be kept; the old
// table then stays as it was.
bool SaveWinners(const Game& g, WinnersStorage& storage);
// The table a fresh installation starts with.
void SetStarterWinners(Game& g);

}  // namespace klumpix
