#pragma once
// A text the player reads, in German and in English. Every screen keeps its
// texts in tables of these and shows the one of the game's language.
#include "shell/game.h"

namespace klumpix {

struct Words {
  const char* de;
  const char* en;
};

inline const char* InLanguage(const Game& g, const Words& words) {
  return g.start_values.language == Language::kEnglish ? words.en : words.de;
}

}  // namespace klumpix
