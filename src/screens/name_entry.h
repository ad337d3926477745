#pragma once
// The highscore name entry screen and its NEU and ENTER actions.
#include "core/hit_box.h"

namespace klumpix {

struct Game;
class WinnersStorage;

constexpr int kLetterCount = 26;

// Letter k (0 for A .. 25 for Z) of the clickable row.
HitBox LetterBox(int k);

void RunNameEntry(Game& g);
void NameEntryNeu(Game& g);
// Saves the table through `storage`, as ENTER does.
void NameEntryEnter(Game& g, WinnersStorage& storage);

}  // namespace klumpix
