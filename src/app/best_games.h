#pragma once
// The best game of each board: when a played game takes its board's first
// place, the session's recording up to that game's end is kept in best/
// beside the winners table, one file a game type, to be watched from the
// winners table later.
#include <cstdint>
#include <string>
#include <vector>

#include "app/input_script.h"
#include "shell/winners_storage.h"

namespace klumpix {

struct Game;

// best/typeT.txt under `folder` ("" for the working folder).
std::string BestGamePath(const std::string& folder, std::int32_t type);

// Writes the kept game of `type` (made atomically, like the winners table);
// false after a line on stderr.
bool KeepBestGame(const std::string& folder, std::int32_t type, const std::string& script_text);

// Reads the kept game of `type`: a regular file of bounded size that parses
// as a script. False when there is none; a damaged one also says so on stderr.
bool LoadBestGame(const std::string& folder, std::int32_t type, InputScript& script);

// A left click at (x, y) in the picture lands on the first place's name of
// the table the menu shows, while no game is in progress: it asks to watch
// that board's kept game.
bool OnFirstWinnerName(const Game& g, int x, int y);

// A winners table that notices when a save puts the game just played in its
// board's first place; everything else it hands to the table it wraps.
class FirstPlaceNotice : public WinnersStorage {
 public:
  FirstPlaceNotice(WinnersStorage& table, const Game& g) : table_(table), g_(g) {}
  std::size_t Load(unsigned char* bytes, std::size_t capacity) override {
    return table_.Load(bytes, capacity);
  }
  SaveOutcome Save(unsigned char* table, std::size_t size) override;
  // The game type whose first place a save made since the last call, or 0.
  std::int32_t TakeFirstPlace();
  // A name entry a save confirmed: the game's type, score and the name.
  struct Entry {
    std::int32_t type = 0;
    std::int32_t score = 0;
    char name[9] = {};
  };
  // Whether a save confirmed a name entry, at any place, since the last
  // call; `entry` is the last one.
  bool TakeConfirmedEntry(Entry& entry);

 private:
  WinnersStorage& table_;
  const Game& g_;
  std::int32_t first_place_type_ = 0;
  bool entry_confirmed_ = false;
  Entry entry_;
};

// What the session has to know to keep its best games: how it started, and
// the tick at which the game now played began.
class BestGameKeeper {
 public:
  BestGameKeeper(std::uint64_t seed, const StartValues& start,
                 std::vector<WinnerEntry> winners_at_start)
      : seed_(seed), start_(start), winners_at_start_(std::move(winners_at_start)) {}

  // After each tick: `tick` is the tick_count it ran with, `events` every
  // event of the session so far. When the tick put a game in its board's
  // first place, true with the type and the recording to keep for it.
  bool AfterTick(const Game& g, std::int32_t tick, FirstPlaceNotice& notice,
                 const std::vector<InputEvent>& events, std::int32_t& type, std::string& recording);
  // The session's recording so far, watched from the game now played.
  std::string Recording(const std::vector<InputEvent>& events) const;

 private:
  std::uint64_t seed_;
  StartValues start_;
  std::vector<WinnerEntry> winners_at_start_;
  bool was_running_ = false;
  std::int32_t game_began_ = 0;
};

}  // namespace klumpix
