#pragma once
// The highscore name entry screen and its NEU and ENTER actions.
namespace klumpix {

struct Game;
class WinnersStorage;

void RunNameEntry(Game& g);
void NameEntryNeu(Game& g);
// Saves the table through `storage`, as ENTER does.
void NameEntryEnter(Game& g, WinnersStorage& storage);

}  // namespace klumpix
