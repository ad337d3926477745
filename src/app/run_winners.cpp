#include "app/run_winners.h"

#include <cstring>

#include "app/input_script.h"
#include "app/winners_file.h"
#include "shell/game.h"

namespace klumpix {

namespace {

// The file, read once at the start; the start-up tick is handed those bytes,
// and saves go to the file.
class WinnersReadAtStart : public WinnersStorage {
 public:
  explicit WinnersReadAtStart(const std::string& path) : file_(path) {
    size_ = file_.Load(bytes_, sizeof bytes_);
  }
  std::size_t Load(unsigned char* bytes, std::size_t capacity) override {
    const std::size_t n = size_ < capacity ? size_ : capacity;
    std::memcpy(bytes, bytes_, n);
    return n;
  }
  SaveOutcome Save(unsigned char* table, std::size_t size) override {
    return file_.Save(table, size);
  }
  const unsigned char* bytes() const { return bytes_; }
  std::size_t size() const { return size_; }

 private:
  WinnersFile file_;
  unsigned char bytes_[kWinnersFileSize] = {};
  std::size_t size_ = 0;
};

}  // namespace

std::vector<WinnerEntry> EntriesOfTable(const unsigned char* bytes, std::size_t size) {
  auto g = std::make_unique<Game>();
  ResetGame(*g);
  DecodeWinners(bytes, size, *g);
  std::vector<WinnerEntry> entries;
  for (int t = 1; t <= kGameTypes; ++t) {
    for (int p = 1; p <= kPlaces; ++p) {
      entries.push_back({t, p, g->winner_score[t][p], g->winner_name[t][p].c_str()});
    }
  }
  return entries;
}

void TableOfEntries(const std::vector<WinnerEntry>& entries, unsigned char* bytes) {
  auto g = std::make_unique<Game>();
  ResetGame(*g);
  SetStarterWinners(*g);
  for (const WinnerEntry& e : entries) {
    g->winner_name[e.type][e.place].Assign(e.name.data(), e.name.size());
    g->winner_score[e.type][e.place] = e.score;
  }
  WinnersInMemory table;
  SaveWinners(*g, table);
  std::memcpy(bytes, table.bytes(), kWinnersFileSize);
}

RunWinners OpenRunWinners(const InputScript& script, const std::string& path) {
  RunWinners run;
  if (script.has_winners) {
    auto memory = std::make_unique<WinnersInMemory>();
    unsigned char bytes[kWinnersFileSize];
    TableOfEntries(script.winners, bytes);
    memory->Save(bytes, sizeof bytes);
    run.storage = std::move(memory);
    run.from_script = true;
    run.at_start = EntriesOfTable(bytes, sizeof bytes);
    return run;
  }
  auto file = std::make_unique<WinnersReadAtStart>(path);
  run.at_start = EntriesOfTable(file->bytes(), file->size());
  run.storage = std::move(file);
  return run;
}

}  // namespace klumpix
