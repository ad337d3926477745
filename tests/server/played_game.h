#pragma once
// Real games for the world table's tests: a hand that plays from the
// program's start, records every event it sends, and enters a name.
#include <cstdint>
#include <string>
#include <vector>

#include "app/event_feed.h"
#include "app/input_script.h"
#include "app/run_winners.h"
#include "app/start_up.h"
#include "shell/game.h"
#include "shell/winners_storage.h"
#include "tick/tick.h"
#include "world/objects.h"

namespace klumpix::testing {

struct PlayedGame {
  std::string recording;
  std::int32_t type = 0;
  std::int32_t score = 0;
  std::string name;
};

class RecordingHand {
 public:
  explicit RecordingHand(std::uint64_t seed, std::int32_t type) {
    start_.game_type = type;
    // A table of zeros: any score above nothing opens the name entry.
    for (int t = 1; t <= kGameTypes; ++t) {
      for (int p = 1; p <= kPlaces; ++p) table_.push_back({t, p, 0, ""});
    }
    unsigned char bytes[4096];
    TableOfEntries(table_, bytes);
    storage_.Save(bytes, kWinnersFileSize);
    StartGame(*g_, seed, start_);
    seed_ = seed;
    while (g_->tick_count <= kStartUpTick) Tick();
  }

  // A second hand that goes on from where this one is, the game copied.
  RecordingHand(const RecordingHand& other)
      : g_(std::make_unique<Game>(*other.g_)),
        storage_(other.storage_),
        start_(other.start_),
        seed_(other.seed_),
        table_(other.table_),
        events_(other.events_),
        tries_(other.tries_) {}
  RecordingHand& operator=(const RecordingHand&) = delete;

  Game& game() { return *g_; }

  void Tick(int n = 1) {
    for (int i = 0; i < n; ++i) DXTimer1Timer(*g_, storage_);
  }

  // The left button held on (x, y) for a tick, then clicked and let go.
  void Press(int x, int y) {
    Send({.kind = InputKind::kMove, .x = x, .y = y});
    Send({.kind = InputKind::kDown});
    Tick();
    Send({.kind = InputKind::kClick});
    Send({.kind = InputKind::kUp});
    Tick(2);
  }

  // Takes full store rows onto drop fields until the score reaches
  // `min_score` or the store is full, then ends the game with ENDE.
  void PlayAndEnd(std::int32_t min_score) {
    Press(51, 200);  // START
    for (int guard = 0; guard < 20000 && g_->score < min_score; ++guard) {
      if (g_->game_over) break;
      if (g_->stone_store.carried[1] == 0) {
        const int row = FullRow();
        row > 0 ? Press(30 * row + 120, 150) : Tick();
      } else if (const int field = DropField(); field > 0) {
        Press(g_->obj.x[field], g_->obj.y[field]);
      } else {
        Tick();
      }
    }
    Press(54, 546);  // ENDE
    Tick();
  }

  void EnterName(const std::string& name) {
    for (char c : name) Press(105 + 20 * (c - 'A'), 370);
    Press(52, 398);  // ENTER
  }

  PlayedGame Finish(const std::string& name) {
    PlayedGame played;
    played.recording = FormatInputScript(seed_, start_, events_, table_);
    played.type = start_.game_type;
    played.name = name.empty() ? "-" : name;
    return played;
  }

 private:
  void Send(InputEvent event) {
    event.tick = g_->tick_count;
    DeliverInputEvent(*g_, event);
    events_.push_back(event);
  }

  int FullRow() const {
    for (int r = 1; r <= kStoreRows; ++r) {
      if (g_->stone_store.store[r][1] > 0) return r;
    }
    return 0;
  }

  // The lit fields include taken ones: each try takes the next of them.
  int DropField() {
    std::vector<int> fields;
    for (int s = 1; s <= kSlotCount; ++s) {
      if (IsPlayfieldCell(*g_, s) &&
          (g_->obj.variant[s] == kFieldLit || g_->obj.variant[s] == kFieldDrop)) {
        fields.push_back(s);
      }
    }
    return fields.empty() ? 0 : fields[tries_++ % fields.size()];
  }

  std::unique_ptr<Game> g_ = std::make_unique<Game>();
  WinnersInMemory storage_;
  StartValues start_ = kDefaultStartValues;
  std::uint64_t seed_ = 0;
  std::vector<WinnerEntry> table_;
  std::vector<InputEvent> events_;
  std::size_t tries_ = 0;
};

// One whole game: played, ended, and entered under `name`.
inline PlayedGame PlayGame(std::uint64_t seed, std::int32_t type, const std::string& name,
                           std::int32_t min_score = 1) {
  RecordingHand hand(seed, type);
  hand.PlayAndEnd(min_score);
  const std::int32_t score = hand.game().score;
  hand.EnterName(name);
  PlayedGame played = hand.Finish(name);
  played.score = score;
  return played;
}

}  // namespace klumpix::testing
