#pragma once
// The server's command line.
#include <cstdint>
#include <string>
#include <vector>

#include "server/replay_check.h"

namespace klumpix::server {

struct ServerOptions {
  std::string host = "127.0.0.1";  // loopback unless told otherwise
  int port = 8080;
  std::string db;    // sqlite:PATH or postgresql://...
  std::string site;  // the page's files, served at /; none when empty
  std::vector<std::string> trusted_proxies;
  std::int32_t per_minute = 10;  // submissions per address
  ReplayLimits limits;
  std::size_t replay_threads = 0;  // 0: one per processor
  std::size_t replay_queue = 0;    // 0: four per replay thread
  bool help = false;
  bool version = false;
};

// False with a one-line reason in `error` on a bad command line.
bool ParseServerOptions(const std::vector<std::string>& args, ServerOptions& options,
                        std::string& error);

const char* ServerUsage();

}  // namespace klumpix::server
