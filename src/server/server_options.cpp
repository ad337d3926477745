#include "server/server_options.h"

#include <charconv>

namespace klumpix::server {

namespace {

template <typename Number>
bool ParseNumber(const std::string& text, Number min, Number max, Number& out) {
  Number value{};
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < min || value > max) {
    return false;
  }
  out = value;
  return true;
}

// HOST:PORT, the host possibly an IPv6 address in brackets.
bool ParseListen(const std::string& text, std::string& host, int& port) {
  const std::size_t colon = text.rfind(':');
  if (colon == std::string::npos || colon == 0) return false;
  std::string h = text.substr(0, colon);
  if (h.size() > 2 && h.front() == '[' && h.back() == ']') h = h.substr(1, h.size() - 2);
  if (!ParseNumber(text.substr(colon + 1), 0, 65535, port)) return false;
  host = h;
  return true;
}

}  // namespace

const char* ServerUsage() {
  return "usage: klumpix-server --db sqlite:PATH|postgresql://... [options]\n"
         "  --listen HOST:PORT        where to listen (127.0.0.1:8080)\n"
         "  --db WHERE                sqlite:PATH (made on first start) or postgresql://...\n"
         "  --site DIR                serve the page's files from DIR at /\n"
         "  --trusted-proxy ADDR      count a request from ADDR by the address it forwards\n"
         "                            (X-Forwarded-For); may be given more than once\n"
         "  --per-minute N            scores one address may send a minute (10)\n"
         "  --max-body BYTES          largest score sent (2097152)\n"
         "  --max-ticks N             longest recording replayed (400000)\n"
         "  --max-cpu-seconds S       longest replay (10)\n"
         "  --replay-threads N        recordings replayed at once (one per processor)\n"
         "  --replay-queue N          recordings waiting beyond those (four per thread)\n"
         "  --help, --version\n";
}

bool ParseServerOptions(const std::vector<std::string>& args, ServerOptions& options,
                        std::string& error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help") {
      options.help = true;
      continue;
    }
    if (arg == "--version") {
      options.version = true;
      continue;
    }
    if (i + 1 >= args.size()) {
      error = arg + (arg.rfind("--", 0) == 0 ? ": needs a value" : ": not an option");
      return false;
    }
    const std::string& value = args[++i];
    bool ok = true;
    if (arg == "--listen") {
      ok = ParseListen(value, options.host, options.port);
    } else if (arg == "--db") {
      options.db = value;
    } else if (arg == "--site") {
      options.site = value;
    } else if (arg == "--trusted-proxy") {
      options.trusted_proxies.push_back(value);
    } else if (arg == "--per-minute") {
      ok = ParseNumber(value, 1, 1000000, options.per_minute);
    } else if (arg == "--max-body") {
      ok = ParseNumber<std::size_t>(value, 1024, 1 << 30, options.limits.max_bytes);
    } else if (arg == "--max-ticks") {
      ok = ParseNumber(value, 1, 2147483647, options.limits.max_ticks);
    } else if (arg == "--max-cpu-seconds") {
      std::int32_t seconds = 0;
      ok = ParseNumber(value, 1, 3600, seconds);
      options.limits.max_cpu_seconds = seconds;
    } else if (arg == "--replay-threads") {
      ok = ParseNumber<std::size_t>(value, 1, 256, options.replay_threads);
    } else if (arg == "--replay-queue") {
      ok = ParseNumber<std::size_t>(value, 1, 100000, options.replay_queue);
    } else {
      error = arg + ": not an option";
      return false;
    }
    if (!ok) {
      error = arg + ": bad value '" + value + "'";
      return false;
    }
  }
  if (!options.help && !options.version && options.db.empty()) {
    error = "--db is needed";
    return false;
  }
  return true;
}

}  // namespace klumpix::server
