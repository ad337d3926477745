#pragma once
#include "server/score_store.h"

namespace klumpix::server {

// The store in the PostgreSQL database that `uri` (postgresql://...) names;
// several servers may share it.
std::unique_ptr<ScoreStore> OpenPostgresqlStore(const std::string& uri, std::string& error);

}  // namespace klumpix::server
