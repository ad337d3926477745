#pragma once
// The mouse handlers only record; the next tick reads what they stored.
namespace klumpix {

struct Game;

enum class MouseButton { kLeft, kRight, kMiddle };

void DXDraw1MouseDown(Game& g, MouseButton button, bool ctrl);
void DXDraw1MouseUp(Game& g, MouseButton button);
void DXDraw1MouseMove(Game& g, int x, int y);
void DXDraw1Click(Game& g);

// Ends the freshness of this tick's presses and lets held-back releases go.
// Runs at the end of every full tick, where `clicked` is cleared.
void SettlePresses(Game& g);

}  // namespace klumpix
