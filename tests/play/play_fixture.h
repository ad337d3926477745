#pragma once
// Boards with stones on them, and ticks run the way the timer runs them.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "board/board.h"
#include "board/neighbors.h"
#include "play/play_screen.h"
#include "shell/game.h"
#include "shell/sound.h"
#include "support/game_fixture.h"
#include "support/ticks.h"
#include "tick/tick.h"
#include "world/objects.h"

namespace klumpix::testing {

// A game past start-up, sound and lights on, pointer parked over the right panel.
inline std::unique_ptr<Game> QuietGame() {
  auto g = NewGame();
  g->tick_count = 11;
  g->settings.sound_on = true;
  g->settings.sound_volume = 35000;
  g->settings.light_level = 25000;
  g->screen_mode = kModePlay;
  return g;
}

inline void ParkPointer(Game& g) {
  g.mouse.mouse_x = 700;
  g.mouse.mouse_y = 450;
  g.mouse.left_button_down = false;
}

// A board of one of the eight game types with START pressed.
inline std::unique_ptr<Game> RunningGame(int game_type) {
  auto g = QuietGame();
  g->game_type = game_type;
  BuildBoard(*g);
  g->game_running = true;
  ParkPointer(*g);
  return g;
}

// A running game on a single column of `cells` cells of field colour 1, built
// bottom cell first like every real board; cell i (1 = bottom) is slot 103 + 2i.
inline std::unique_ptr<Game> ColumnGame(int cells) {
  auto g = RunningGame(3);
  ClearAllSlots(*g);
  g->slot_top = 104;
  for (int i = 0; i < cells; ++i) AddBoardCell(*g, 300, static_cast<std::int16_t>(498 - 24 * i), 1);
  LinkNeighbors(*g);
  MarkDropFields(*g);
  g->dynamic_slot_floor = g->slot_top;
  return g;
}

inline std::int16_t ColumnCell(int i) {
  return static_cast<std::int16_t>(103 + 2 * i);
}

// The playfield cell centred on (x, y), or 0.
inline std::int16_t CellAt(const Game& g, int x, int y) {
  for (int s = 1; s <= kSlotCount; ++s) {
    if (IsPlayfieldCell(g, s) && g.obj.x[s] == x && g.obj.y[s] == y) {
      return static_cast<std::int16_t>(s);
    }
  }
  ADD_FAILURE() << "no cell at " << x << "," << y;
  return 0;
}

// Test set-ups make stones between ticks, so the slot search starts afresh.
inline std::int16_t PutStone(Game& g, std::int16_t cell, std::int16_t colour) {
  g.free_slot_cursor = kSlotCount;
  const std::int16_t stone = SpawnStone(g, g.obj.x[cell], g.obj.y[cell], colour);
  g.obj.cell_stone[cell] = stone;
  return stone;
}

// Three stones on the pointer, top colour first.
inline void Carry(Game& g, std::int16_t top, std::int16_t middle, std::int16_t bottom) {
  const std::int16_t colours[4] = {0, top, middle, bottom};
  g.free_slot_cursor = kSlotCount;
  for (int k = 1; k <= 3; ++k) {
    g.stone_store.carried[k] = SpawnStone(g, static_cast<std::int16_t>(g.mouse.mouse_x),
                                          static_cast<std::int16_t>(g.mouse.mouse_y), colours[k]);
    g.obj.depth[g.stone_store.carried[k]] = 95;
  }
}

inline void FillStoreRow(Game& g, int row) {
  g.free_slot_cursor = kSlotCount;
  for (int k = 1; k <= 3; ++k) {
    g.stone_store.store[row][k] =
        SpawnStone(g, static_cast<std::int16_t>(30 * row + 120),
                   static_cast<std::int16_t>(26 * k + 80), static_cast<std::int16_t>(k));
  }
  g.stone_store.row_countdown[row] = 0;
}

inline int StartsOf(const Game& g, SoundId id) {
  int n = 0;
  for (int i = 0; i < g.sounds.started_sound_count; ++i)
    n += g.sounds.started_sounds[i].sound == id;
  return n;
}

// Whether the last tick wrote `text` at (x, y) in `font`.
inline bool Wrote(const Game& g, int x, int y, int font, const char* text) {
  for (int i = 0; i < g.text.text_call_count; ++i) {
    const TextCall& t = g.text.text_calls[i];
    if (t.x == x && t.y == y && t.font == font && std::strcmp(t.text.c_str(), text) == 0)
      return true;
  }
  return false;
}

inline bool WroteAnywhere(const Game& g, const char* text) {
  for (int i = 0; i < g.text.text_call_count; ++i) {
    if (std::strcmp(g.text.text_calls[i].text.c_str(), text) == 0) return true;
  }
  return false;
}

}  // namespace klumpix::testing
