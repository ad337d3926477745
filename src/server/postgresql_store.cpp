// The world table in PostgreSQL through libpqxx, for several servers behind
// one database.
#include "server/postgresql_store.h"

#include <mutex>
#include <pqxx/pqxx>

namespace klumpix::server {

namespace {

// Any number: migrations of servers that start together take turns on it.
constexpr std::int64_t kMigrationLock = 0x6b6c756d;

class PostgresqlStore : public ScoreStore {
 public:
  PostgresqlStore(std::string uri, std::unique_ptr<pqxx::connection> connection)
      : uri_(std::move(uri)), connection_(std::move(connection)) {}

 private:
  // One transaction on the server's connection; the connection takes one
  // at a time. A connection lost (the database restarted) is opened again
  // for the next request.
  template <typename Body>
  auto Run(Body body) {
    std::lock_guard lock(mutex_);
    try {
      if (!connection_->is_open()) connection_ = std::make_unique<pqxx::connection>(uri_);
      pqxx::work work(*connection_);
      auto result = body(work);
      work.commit();
      return result;
    } catch (const pqxx::failure& e) {
      throw StoreError(e.what());
    }
  }

 public:
  AddResult Add(const ProvenGame& game) override {
    return Run([&](pqxx::work& work) {
      AddResult result;
      const pqxx::result inserted = work.exec_params(
          "INSERT INTO games (game_type, score, name, accepted_at, proof_hash, proof)"
          " VALUES ($1, $2, $3, $4, $5, $6) ON CONFLICT (proof_hash) DO NOTHING RETURNING id",
          game.type, game.score, game.name, game.date, game.hash, game.proof);
      if (inserted.empty()) return result;
      result.added = true;
      result.id = inserted[0][0].as<std::int64_t>();
      const pqxx::result above = work.exec_params(
          "SELECT COUNT(*) FROM games WHERE game_type = $1 AND (score > $2 OR (score = $2 AND id "
          "< $3))",
          game.type, game.score, result.id);
      result.place = static_cast<std::int32_t>(above[0][0].as<std::int64_t>() + 1);
      return result;
    });
  }

  std::vector<TableRow> Best(std::int32_t type, std::int32_t limit) override {
    return Run([&](pqxx::work& work) {
      const pqxx::result best = work.exec_params(
          "SELECT id, name, score, accepted_at FROM games WHERE game_type = $1"
          " ORDER BY score DESC, id LIMIT $2",
          type, limit);
      std::vector<TableRow> rows;
      for (const auto& row : best) {
        rows.push_back({row[0].as<std::int64_t>(), static_cast<std::int32_t>(rows.size() + 1),
                        row[1].as<std::string>(), row[2].as<std::int32_t>(),
                        row[3].as<std::string>()});
      }
      return rows;
    });
  }

  std::optional<std::string> Recording(std::int64_t id) override {
    return Run([&](pqxx::work& work) -> std::optional<std::string> {
      const pqxx::result proof = work.exec_params("SELECT proof FROM games WHERE id = $1", id);
      if (proof.empty()) return std::nullopt;
      return proof[0][0].as<std::string>();
    });
  }

 private:
  const std::string uri_;
  std::unique_ptr<pqxx::connection> connection_;
  std::mutex mutex_;
};

void Migrate(pqxx::connection& connection) {
  {
    pqxx::work work(connection);
    work.exec_params("SELECT pg_advisory_xact_lock($1)", kMigrationLock);
    work.exec("CREATE TABLE IF NOT EXISTS schema_migrations (number INTEGER PRIMARY KEY)");
    work.commit();
  }
  const std::vector<Migration>& migrations = Migrations();
  for (std::size_t i = 0; i < migrations.size(); ++i) {
    const auto number = static_cast<std::int32_t>(i + 1);
    pqxx::work work(connection);
    work.exec_params("SELECT pg_advisory_xact_lock($1)", kMigrationLock);
    if (work.exec_params("SELECT 1 FROM schema_migrations WHERE number = $1", number).empty()) {
      work.exec(migrations[i].postgresql);
      work.exec_params("INSERT INTO schema_migrations (number) VALUES ($1)", number);
    }
    work.commit();
  }
}

}  // namespace

std::unique_ptr<ScoreStore> OpenPostgresqlStore(const std::string& uri, std::string& error) {
  try {
    auto connection = std::make_unique<pqxx::connection>(uri);
    Migrate(*connection);
    return std::make_unique<PostgresqlStore>(uri, std::move(connection));
  } catch (const std::exception& e) {
    error = std::string("postgresql: ") + e.what();
    return nullptr;
  }
}

}  // namespace klumpix::server
