#include "app/best_games.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/file_io.h"
#include "screens/menu_bar.h"
#include "shell/game.h"

namespace klumpix {

namespace {

// A kept game is a session up to one game's end; an hour of busy play is
// well under a megabyte.
constexpr std::size_t kBestGameLimit = 16u << 20;

std::string BestFolder(const std::string& folder) {
  return folder.empty() ? "best" : folder + "/best";
}

}  // namespace

std::string BestGamePath(const std::string& folder, std::int32_t type) {
  return BestFolder(folder) + "/type" + std::to_string(type) + ".txt";
}

bool KeepBestGame(const std::string& folder, std::int32_t type, const std::string& script_text) {
  const std::string dir = BestFolder(folder);
  const std::string path = BestGamePath(folder, type);
  if (mkdir(dir.c_str(), 0755) != 0 && errno != EEXIST) {
    std::fprintf(stderr, "klumpix: %s: best game not kept: %s\n", dir.c_str(),
                 std::strerror(errno));
    return false;
  }
  if (!WriteFileAtomically(path.c_str(), script_text.data(), script_text.size())) {
    std::fprintf(stderr, "klumpix: %s: best game not kept: %s\n", path.c_str(),
                 std::strerror(errno));
    return false;
  }
  return true;
}

bool LoadBestGame(const std::string& folder, std::int32_t type, InputScript& script) {
  const std::string path = BestGamePath(folder, type);
  struct stat st;
  if (lstat(path.c_str(), &st) != 0 && errno == ENOENT) return false;
  std::string text, error;
  if (!ReadRegularFile(path.c_str(), kBestGameLimit, text, error) ||
      !ParseInputScript(text, path, script, error)) {
    std::fprintf(stderr, "klumpix: kept game skipped: %s\n", error.c_str());
    return false;
  }
  return true;
}

SaveOutcome FirstPlaceNotice::Save(unsigned char* table, std::size_t size) {
  const SaveOutcome outcome = table_.Save(table, size);
  // ENTER saves with the place the game took still set.
  if (outcome != SaveOutcome::kFailed && g_.entry.winner_place == 1) {
    first_place_type_ = g_.game_type;
  }
  if (outcome != SaveOutcome::kFailed && g_.entry.winner_place >= 1) {
    entry_confirmed_ = true;
    entry_.type = g_.game_type;
    entry_.score = g_.score;
    std::snprintf(entry_.name, sizeof entry_.name, "%s",
                  g_.winner_name[g_.game_type][g_.entry.winner_place].c_str());
  }
  return outcome;
}

bool FirstPlaceNotice::TakeConfirmedEntry(Entry& entry) {
  const bool confirmed = entry_confirmed_;
  entry_confirmed_ = false;
  entry = entry_;
  return confirmed;
}

std::int32_t FirstPlaceNotice::TakeFirstPlace() {
  const std::int32_t type = first_place_type_;
  first_place_type_ = 0;
  return type;
}

bool OnFirstWinnerName(const Game& g, int x, int y) {
  return g.screen_mode == kModePlay && TypeMenuOpen(g) && !g.confirm_open &&
         FirstWinnerNameBox().Contains(x, y);
}

bool BestGameKeeper::AfterTick(const Game& g, std::int32_t tick, FirstPlaceNotice& notice,
                               const std::vector<InputEvent>& events, std::int32_t& type,
                               std::string& recording) {
  if (g.game_running && !was_running_) game_began_ = tick;
  was_running_ = g.game_running;
  type = notice.TakeFirstPlace();
  if (type == 0) return false;
  recording = Recording(events);
  return true;
}

std::string BestGameKeeper::Recording(const std::vector<InputEvent>& events) const {
  return FormatInputScript(seed_, start_, events, winners_at_start_, game_began_);
}

}  // namespace klumpix
