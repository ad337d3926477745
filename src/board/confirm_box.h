#pragma once
// The exit confirm box: its panel and its JA and NEIN buttons.
namespace klumpix {

struct Game;

void OpenConfirmBox(Game& g);
void CloseConfirmBox(Game& g);

}  // namespace klumpix
