#pragma once
// The highscore name entry screen and its NEU and ENTER actions.
namespace klumpix {

struct Game;

void RunNameEntry(Game& g);
void NameEntryNeu(Game& g);
void NameEntryEnter(Game& g);

}  // namespace klumpix
