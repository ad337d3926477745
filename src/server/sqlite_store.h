#pragma once
#include "server/score_store.h"

namespace klumpix::server {

// The store in the SQLite file at `path`, made on first start.
std::unique_ptr<ScoreStore> OpenSqliteStore(const std::string& path, std::string& error);

}  // namespace klumpix::server
