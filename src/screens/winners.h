#pragma once
// The winners table and its file groar.dat.
#include <cstddef>

namespace klumpix {

struct Game;

// Fills the table from g.files.winners_path; never fails (missing or damaged
// files leave starter entries where no whole record could be read).
void ReadWinners(Game& g);
// The same from the bytes of such a file.
void DecodeWinners(const unsigned char* bytes, std::size_t size, Game& g);
// Saves the table atomically. False if the file could not be written; the
// old file then stays as it was.
bool WriteWinners(const Game& g);
// The table a fresh installation starts with.
void SetStarterWinners(Game& g);

}  // namespace klumpix
