#pragma once
// The world table's HTTP API:
//   POST /api/scores            {"name", "type", "score", "recording"}: replayed,
//                               kept when the recording proves the claim
//   GET  /api/scores?type=T     the best 100 of a board
//   GET  /api/recordings/ID     a kept game's recording, to watch
namespace httplib {
class Server;
}

namespace klumpix::server {

class ScoreStore;
class ReplayPool;
class RateLimit;
struct ServerOptions;

// The places a board shows.
constexpr int kWorldTableRows = 100;

// Routes the API on `http`; the pieces must outlive it.
void InstallWorldApi(httplib::Server& http, const ServerOptions& options, ScoreStore& store,
                     ReplayPool& pool, RateLimit& limit);

}  // namespace klumpix::server
