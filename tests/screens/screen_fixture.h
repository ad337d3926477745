#pragma once
// Running the whole program tick by tick, the way the player drives it: the
// mouse handlers record, the next timer tick acts.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "app/winners_file.h"
#include "shell/game.h"
#include "shell/mouse.h"
#include "shell/sound.h"
#include "support/game_fixture.h"
#include "support/temp_dir.h"
#include "support/ticks.h"
#include "tick/tick.h"

namespace klumpix::testing {

// The program after its start-up tick: the play screen of type 3, no game
// running, the winners file (missing, so starter entries) in `folder`,
// where the ticks of the test then keep it.
inline std::unique_ptr<Game> StartedProgram(const TempDir& folder) {
  auto g = NewGame();
  TestWinners() = WinnersFile(folder.str() + "/groar.dat");
  g->seed = 7;
  FormCreate(*g);
  g->tick_count = 10;
  DXTimer1Timer(*g, TestWinners());
  return g;
}

// Holds the left button on the button centred at (x, y) for one tick.
inline void PressButton(Game& g, int x, int y) {
  DXDraw1MouseMove(g, x, y);
  DXDraw1MouseDown(g, MouseButton::kLeft, false);
  Tick(g);
  DXDraw1MouseUp(g, MouseButton::kLeft);
}

// A single left click at (x, y), seen by the next tick.
inline void ClickAt(Game& g, int x, int y) {
  DXDraw1MouseMove(g, x, y);
  DXDraw1MouseDown(g, MouseButton::kLeft, false);
  DXDraw1Click(g);
  DXDraw1MouseUp(g, MouseButton::kLeft);
  Tick(g);
}

// The button centres of the frame.
constexpr int kEnde[2] = {54, 546};
constexpr int kSpiel[2] = {153, 27};
constexpr int kHilfe[2] = {253, 27};
constexpr int kSound[2] = {450, 27};
constexpr int kStart[2] = {51, 200};
constexpr int kNeu[2] = {51, 299};
constexpr int kEnter[2] = {52, 398};

// The WriteText call of the last tick with exactly this text, or null.
inline const TextCall* FindText(const Game& g, const char* text) {
  for (int i = 0; i < g.text.text_call_count; ++i) {
    if (g.text.text_calls[i].text == text) return &g.text.text_calls[i];
  }
  return nullptr;
}

// The WriteText call of the last tick at (x, y), or null.
inline const TextCall* TextAt(const Game& g, int x, int y) {
  for (int i = 0; i < g.text.text_call_count; ++i) {
    if (g.text.text_calls[i].x == x && g.text.text_calls[i].y == y) return &g.text.text_calls[i];
  }
  return nullptr;
}

}  // namespace klumpix::testing
