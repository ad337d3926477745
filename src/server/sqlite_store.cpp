// The world table in one SQLite file, written ahead (WAL) so that readers
// never wait for a writer.
#include "server/sqlite_store.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <mutex>

namespace klumpix::server {

namespace {

constexpr int kBusyMilliseconds = 5000;

// One prepared statement, finalised however the call leaves.
class Statement {
 public:
  Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); }
  ~Statement() { sqlite3_finalize(stmt_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  void Bind(int i, std::int64_t v) { sqlite3_bind_int64(stmt_, i, v); }
  void Bind(int i, const std::string& v) {
    sqlite3_bind_text(stmt_, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
  }
  int Step() { return sqlite3_step(stmt_); }
  std::int64_t Int(int i) { return sqlite3_column_int64(stmt_, i); }
  std::string Text(int i) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i));
    return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, i))) : "";
  }

 private:
  sqlite3_stmt* stmt_ = nullptr;
};

class SqliteStore : public ScoreStore {
 public:
  explicit SqliteStore(sqlite3* db) : db_(db) {}
  ~SqliteStore() override { sqlite3_close(db_); }

  AddResult Add(const ProvenGame& game) override {
    std::lock_guard lock(mutex_);
    AddResult result;
    Statement insert(db_,
                     "INSERT INTO games (game_type, score, name, accepted_at, proof_hash, proof)"
                     " VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (proof_hash) DO NOTHING");
    insert.Bind(1, game.type);
    insert.Bind(2, game.score);
    insert.Bind(3, game.name);
    insert.Bind(4, game.date);
    insert.Bind(5, game.hash);
    insert.Bind(6, game.proof);
    if (insert.Step() != SQLITE_DONE) throw StoreError(sqlite3_errmsg(db_));
    if (sqlite3_changes(db_) == 0) return result;
    result.added = true;
    result.id = sqlite3_last_insert_rowid(db_);
    Statement above(db_,
                    "SELECT COUNT(*) FROM games WHERE game_type = ?"
                    " AND (score > ? OR (score = ? AND id < ?))");
    above.Bind(1, game.type);
    above.Bind(2, game.score);
    above.Bind(3, game.score);
    above.Bind(4, result.id);
    if (above.Step() != SQLITE_ROW) throw StoreError(sqlite3_errmsg(db_));
    result.place = static_cast<std::int32_t>(above.Int(0) + 1);
    return result;
  }

  std::vector<TableRow> Best(std::int32_t type, std::int32_t limit) override {
    std::lock_guard lock(mutex_);
    Statement best(db_,
                   "SELECT id, name, score, accepted_at FROM games WHERE game_type = ?"
                   " ORDER BY score DESC, id LIMIT ?");
    best.Bind(1, type);
    best.Bind(2, limit);
    std::vector<TableRow> rows;
    int step = 0;
    while ((step = best.Step()) == SQLITE_ROW) {
      rows.push_back({best.Int(0), static_cast<std::int32_t>(rows.size() + 1), best.Text(1),
                      static_cast<std::int32_t>(best.Int(2)), best.Text(3)});
    }
    if (step != SQLITE_DONE) throw StoreError(sqlite3_errmsg(db_));
    return rows;
  }

  std::optional<std::string> Recording(std::int64_t id) override {
    std::lock_guard lock(mutex_);
    Statement proof(db_, "SELECT proof FROM games WHERE id = ?");
    proof.Bind(1, id);
    const int step = proof.Step();
    if (step == SQLITE_ROW) return proof.Text(0);
    if (step != SQLITE_DONE) throw StoreError(sqlite3_errmsg(db_));
    return std::nullopt;
  }

 private:
  sqlite3* db_;
  // One connection for the whole server: its statements take turns.
  std::mutex mutex_;
};

bool Exec(sqlite3* db, const std::string& sql, std::string& error) {
  char* message = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) == SQLITE_OK) return true;
  error = message ? message : sqlite3_errmsg(db);
  sqlite3_free(message);
  return false;
}

// Applies the migrations the file lacks, each in its own transaction, so a
// second server starting on the same file at once waits and then finds them.
bool Migrate(sqlite3* db, std::string& error) {
  if (!Exec(db, "CREATE TABLE IF NOT EXISTS schema_migrations (number INTEGER PRIMARY KEY)",
            error)) {
    return false;
  }
  const std::vector<Migration>& migrations = Migrations();
  for (std::size_t i = 0; i < migrations.size(); ++i) {
    const std::int64_t number = static_cast<std::int64_t>(i + 1);
    if (!Exec(db, "BEGIN IMMEDIATE", error)) return false;
    Statement done(db, "SELECT 1 FROM schema_migrations WHERE number = ?");
    done.Bind(1, number);
    const bool applied = done.Step() == SQLITE_ROW;
    bool ok = applied || Exec(db, migrations[i].sqlite, error);
    if (ok && !applied) {
      Statement note(db, "INSERT INTO schema_migrations (number) VALUES (?)");
      note.Bind(1, number);
      ok = note.Step() == SQLITE_DONE;
      if (!ok) error = sqlite3_errmsg(db);
    }
    if (!ok) {
      std::string ignored;
      Exec(db, "ROLLBACK", ignored);
      error = "migration " + std::to_string(number) + ": " + error;
      return false;
    }
    if (!Exec(db, "COMMIT", error)) return false;
  }
  return true;
}

}  // namespace

std::unique_ptr<ScoreStore> OpenSqliteStore(const std::string& path, std::string& error) {
  // A FIFO or a device would hang or break SQLite; a link to a file is fine.
  struct stat st {};
  if (stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
    error = path + ": not a regular file";
    return nullptr;
  }
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(path.c_str(), &db,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                      nullptr) != SQLITE_OK) {
    error = path + ": " + (db ? sqlite3_errmsg(db) : "cannot open");
    sqlite3_close(db);
    return nullptr;
  }
  sqlite3_busy_timeout(db, kBusyMilliseconds);
  if (!Exec(db, "PRAGMA journal_mode = WAL", error) || !Migrate(db, error)) {
    error = path + ": " + error;
    sqlite3_close(db);
    return nullptr;
  }
  return std::make_unique<SqliteStore>(db);
}

}  // namespace klumpix::server
