#pragma once
// A restless player for the bot, the soak and the scripts that hold the
// WebAssembly build to the native one: presses, holds, clicks and wanders with
// both buttons all over the screen, but leans towards what moves a game on
// (START, full store rows, drop fields, letters and ENTER on the name entry),
// so that games really get played, lost and entered into the winners table.
#include <cstdint>
#include <random>
#include <vector>

#include "app/event_feed.h"
#include "app/input_script.h"
#include "core/surface.h"
#include "shell/game.h"
#include "shell/mouse.h"
#include "world/objects.h"

namespace klumpix::testing {

// Long runs are shortened under AddressSanitizer.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kSanitized = true;
#else
inline constexpr bool kSanitized = false;
#endif
#else
inline constexpr bool kSanitized = false;
#endif

class RestlessHand {
 public:
  // Every event the hand delivers is also appended to `played` when given,
  // stamped with the tick it comes before: an input script of its game.
  RestlessHand(Game& g, std::uint64_t seed, std::vector<InputEvent>* played = nullptr)
      : g_(g), dice_(seed), played_(played) {}

  // What the hand does before the next tick.
  void Act() {
    if (held_) {
      if (hold_left_ > 0) {
        --hold_left_;
        if (Roll(4) == 0) Move(g_.mouse.mouse_x + Roll(9) - 4, g_.mouse.mouse_y + Roll(9) - 4);
        return;
      }
      Release();
      return;
    }
    if (rest_ > 0) {
      --rest_;
      return;
    }
    if (Roll(12) == 0) {
      rest_ = Roll(25);
      return;
    }
    if (!Aim() || Roll(8) == 0) return;  // only passing by
    const int b = Roll(100);
    button_ = b < 85 ? MouseButton::kLeft : (b < 95 ? MouseButton::kRight : MouseButton::kMiddle);
    Deliver({.kind = InputKind::kDown, .button = button_, .ctrl = Roll(10) == 0});
    held_ = true;
    hold_left_ = Roll(5) == 0 ? Roll(15) : Roll(3);
  }

 private:
  int Roll(int n) { return static_cast<int>(dice_() % static_cast<std::uint64_t>(n)); }

  void Move(int x, int y) { Deliver({.kind = InputKind::kMove, .x = x, .y = y}); }

  void Deliver(InputEvent event) {
    event.tick = g_.tick_count;
    DeliverInputEvent(g_, event);
    if (played_ != nullptr) played_->push_back(event);
  }

  // A left release is mostly a click too, raised before the release as the
  // window's event feed raises it.
  void Release() {
    if (button_ == MouseButton::kLeft && Roll(4) != 0) Deliver({.kind = InputKind::kClick});
    Deliver({.kind = InputKind::kUp, .button = button_});
    held_ = false;
  }

  // Moves the pointer somewhere; false when the hand should not press there.
  bool Aim() {
    // Within a running game the hand mostly plays; a stray press on ENDE or
    // EXIT would otherwise end nearly every game before it scores.
    const bool playing = g_.screen_mode == kModePlay && g_.game_running && !g_.game_over;
    const int r = Roll(100);
    if (r < (playing ? 92 : 50)) {
      if (AimUseful()) return true;
      if (playing) {
        rest_ = Roll(10);  // nothing to take yet: wait for the store
        return false;
      }
    }
    const auto button =
        static_cast<std::int16_t>(kFirstButton + Roll(kLastButton - kFirstButton + 1));
    if (r < (playing ? 94 : 70) && AimAtButton(button)) return true;
    Move(Roll(kScreenWidth + 40) - 20, Roll(kScreenHeight + 40) - 20);
    return true;
  }

  bool AimUseful() {
    if (g_.confirm_open) return AimAtButton(Roll(10) == 0 ? kSlotJa : kSlotNein);
    switch (g_.screen_mode) {
      case kModePlay:
        if (!g_.game_running || g_.game_over) {
          if (Roll(3) != 0) return AimAtButton(kSlotStart);
          Move(660 + Roll(80), 70 + 10 * (1 + Roll(kGameTypes)) + Roll(5) - 2);  // type menu
          return true;
        }
        if (g_.stone_store.carried[1] == 0) return AimAtFullRow();
        return AimAtDropField();
      case kModeNameEntry:
        if (Roll(6) == 0) return AimAtButton(Roll(4) == 0 ? kSlotNeu : kSlotEnter);
        Move(97 + 20 * Roll(26) + Roll(16), 362 + Roll(16));  // the letter row
        return true;
      default:
        return AimAtButton(kSlotSpiel);
    }
  }

  bool AimAtButton(std::int16_t slot) {
    if (!g_.obj.alive[slot] || g_.obj.kind[slot] != kKindButton) return false;
    Move(g_.obj.x[slot] + Roll(11) - 5, g_.obj.y[slot] + Roll(11) - 5);
    return true;
  }

  bool AimAtFullRow() {
    int rows[kStoreRows];
    int n = 0;
    for (int r = 1; r <= kStoreRows; ++r) {
      if (g_.stone_store.store[r][1] > 0) rows[n++] = r;
    }
    if (n == 0) return false;
    Move(30 * rows[Roll(n)] + 120, 100 + Roll(95));
    return true;
  }

  bool AimAtDropField() {
    std::int16_t drops[kSlotCount];
    int n = 0;
    for (std::int16_t s = 1; s <= kSlotCount; ++s) {
      if (IsPlayfieldCell(g_, s) &&
          (g_.obj.variant[s] == kFieldLit || g_.obj.variant[s] == kFieldDrop)) {
        drops[n++] = s;
      }
    }
    if (n == 0) return false;
    const std::int16_t d = drops[Roll(n)];
    Move(g_.obj.x[d] + Roll(9) - 4, g_.obj.y[d] + Roll(9) - 4);
    return true;
  }

  static constexpr std::int16_t kFirstButton = kSlotExit;
  static constexpr std::int16_t kLastButton = kSlotNein;

  Game& g_;
  std::mt19937_64 dice_;
  MouseButton button_ = MouseButton::kLeft;
  bool held_ = false;
  int hold_left_ = 0;
  int rest_ = 0;
  std::vector<InputEvent>* played_;
};

}  // namespace klumpix::testing
