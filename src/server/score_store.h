#pragma once
// Where the world table keeps its proven games: SQLite or PostgreSQL, one
// schema, its migrations numbered and applied when the server starts.
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace klumpix::server {

// A proven game as the table keeps it: nothing about the player but the name.
struct ProvenGame {
  std::int32_t type = 0;
  std::int32_t score = 0;
  std::string name;
  std::string proof;  // the recording as replayed
  std::string hash;   // of the proof, hex: the same game is kept once
  std::string date;   // when it was accepted, UTC, "YYYY-MM-DD HH:MM:SS"
};

struct TableRow {
  std::int64_t id = 0;
  std::int32_t place = 0;
  std::string name;
  std::int32_t score = 0;
  std::string date;
};

struct AddResult {
  bool added = false;  // false: the same game is kept already
  std::int64_t id = 0;
  std::int32_t place = 0;  // on its board; an equal older score stays above it
};

// A database that failed under a running server: the request is answered
// 500, the server goes on.
struct StoreError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class ScoreStore {
 public:
  virtual ~ScoreStore() = default;
  virtual AddResult Add(const ProvenGame& game) = 0;
  // The best `limit` of a board, best first.
  virtual std::vector<TableRow> Best(std::int32_t type, std::int32_t limit) = 0;
  virtual std::optional<std::string> Recording(std::int64_t id) = 0;
};

// Each migration's statements, in order; the number of a migration is its
// index plus one. Both databases read the same statements but for the kind
// of the id column, which each names its own way.
struct Migration {
  const char* sqlite;
  const char* postgresql;
};
const std::vector<Migration>& Migrations();

// "sqlite:PATH" or "postgresql://...": the store, its migrations applied;
// null after putting the reason into `error`.
std::unique_ptr<ScoreStore> OpenScoreStore(const std::string& where, std::string& error);

}  // namespace klumpix::server
