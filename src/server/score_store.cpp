#include "server/score_store.h"

#include "server/sqlite_store.h"
#if KLUMPIX_WITH_POSTGRESQL
#include "server/postgresql_store.h"
#endif

namespace klumpix::server {

std::unique_ptr<ScoreStore> OpenScoreStore(const std::string& where, std::string& error) {
  const std::string sqlite = "sqlite:";
  if (where.rfind(sqlite, 0) == 0 && where.size() > sqlite.size()) {
    return OpenSqliteStore(where.substr(sqlite.size()), error);
  }
  if (where.rfind("postgresql://", 0) == 0 || where.rfind("postgres://", 0) == 0) {
#if KLUMPIX_WITH_POSTGRESQL
    return OpenPostgresqlStore(where, error);
#else
    error = "this server was built without PostgreSQL";
    return nullptr;
#endif
  }
  error = "--db takes sqlite:PATH or postgresql://...";
  return nullptr;
}

}  // namespace klumpix::server
