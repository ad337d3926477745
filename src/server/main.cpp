// klumpix-server: the world's winners table, where every score is replayed
// before it is kept.
#include <httplib.h>
#include <signal.h>

#include <cstdio>
#include <thread>

#include "server/rate_limit.h"
#include "server/replay_pool.h"
#include "server/score_store.h"
#include "server/server_options.h"
#include "server/world_api.h"

namespace {

httplib::Server* running_server = nullptr;

// SIGTERM and SIGINT stop the listener; main then closes the database.
void Stop(int) {
  if (running_server) running_server->stop();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace klumpix::server;
  ServerOptions options;
  std::string error;
  if (!ParseServerOptions({argv + 1, argv + argc}, options, error)) {
    std::fprintf(stderr, "klumpix-server: %s\n%s", error.c_str(), ServerUsage());
    return 2;
  }
  if (options.help) {
    std::fputs(ServerUsage(), stdout);
    return 0;
  }
  if (options.version) {
    std::printf("klumpix-server %s\n", AcceptedVersion());
    return 0;
  }
  std::unique_ptr<ScoreStore> store = OpenScoreStore(options.db, error);
  if (!store) {
    std::fprintf(stderr, "klumpix-server: %s\n", error.c_str());
    return 1;
  }
  const std::size_t threads = options.replay_threads
                                  ? options.replay_threads
                                  : std::max(1u, std::thread::hardware_concurrency());
  const std::size_t queue = options.replay_queue ? options.replay_queue : 4 * threads;
  ReplayPool pool(threads, queue, options.limits);
  RateLimit limit(options.per_minute);

  httplib::Server http;
  // A connection holds a thread while it is kept alive, and every
  // submission that waits for a replay holds one: more threads than replays
  // can wait leaves plenty for everything else.
  const std::size_t http_threads = threads + queue + 64;
  http.new_task_queue = [http_threads] { return new httplib::ThreadPool(http_threads); };
  http.set_payload_max_length(options.limits.max_bytes);
  // The library's listen queue is short (5): a busy client that had to
  // connect anew every few requests would now and then wait a second for
  // its connection to be taken.
  http.set_keep_alive_max_count(1000);
  InstallWorldApi(http, options, *store, pool, limit);
  if (!options.site.empty() && !http.set_mount_point("/", options.site)) {
    std::fprintf(stderr, "klumpix-server: %s: not a folder\n", options.site.c_str());
    return 1;
  }
  // Port 0 takes any free port; the line below names the one taken.
  const int port = options.port == 0
                       ? http.bind_to_any_port(options.host)
                       : (http.bind_to_port(options.host, options.port) ? options.port : -1);
  if (port < 0) {
    std::fprintf(stderr, "klumpix-server: cannot listen on %s:%d\n", options.host.c_str(),
                 options.port);
    return 1;
  }
  running_server = &http;
  signal(SIGTERM, Stop);
  signal(SIGINT, Stop);
  std::printf("klumpix-server: listening on %s:%d\n", options.host.c_str(), port);
  std::fflush(stdout);
  http.listen_after_bind();
  running_server = nullptr;
  return 0;
}
