#include "server/world_api.h"

#include <httplib.h>
#include <openssl/evp.h>

#include <algorithm>
#include <ctime>

#include "app/json_text.h"
#include "server/rate_limit.h"
#include "server/replay_pool.h"
#include "server/score_store.h"
#include "server/server_options.h"
#include "server/submission.h"
#include "shell/game.h"

namespace klumpix::server {

namespace {

constexpr const char* kJson = "application/json";

std::string Hex(const unsigned char* bytes, unsigned size) {
  static const char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (unsigned i = 0; i < size; ++i) {
    hex += kDigits[bytes[i] >> 4];
    hex += kDigits[bytes[i] & 15];
  }
  return hex;
}

std::string Sha256(const std::string& text) {
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned size = 0;
  EVP_Digest(text.data(), text.size(), digest, &size, EVP_sha256(), nullptr);
  return Hex(digest, size);
}

std::string UtcNow() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &utc);
  return text;
}

void Refuse(httplib::Response& res, int status, const std::string& reason) {
  std::string body = "{\"accepted\": false, \"reason\": ";
  AppendJsonText(body, reason);
  body += "}\n";
  res.status = status;
  res.set_content(body, kJson);
}

std::string Trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Whom a request counts against: the connecting address, or from a trusted
// proxy the address it added last to X-Forwarded-For (what came before that
// the client wrote itself and proves nothing).
std::string SenderOf(const httplib::Request& req, const ServerOptions& options) {
  const auto& proxies = options.trusted_proxies;
  if (std::find(proxies.begin(), proxies.end(), req.remote_addr) == proxies.end() ||
      !req.has_header("X-Forwarded-For")) {
    return req.remote_addr;
  }
  const std::string forwarded = req.get_header_value("X-Forwarded-For");
  const std::string last = Trim(forwarded.substr(forwarded.rfind(',') + 1));
  return last.empty() ? req.remote_addr : last;
}

class Api {
 public:
  Api(const ServerOptions& options, ScoreStore& store, ReplayPool& pool, RateLimit& limit)
      : options_(options), store_(store), pool_(pool), limit_(limit) {}

  void Submit(const httplib::Request& req, httplib::Response& res) {
    if (!limit_.Allow(SenderOf(req, options_))) {
      return Refuse(res, 429, "too many scores from this address; try again in a minute");
    }
    Submission submission;
    std::string error;
    if (!ParseSubmission(req.body, submission, error)) return Refuse(res, 400, error);
    const Claim& claim = submission.claim;
    if (!IsGameName(claim.name)) {
      return Refuse(res, 400, "a name is one to seven letters A to Z, or -");
    }
    if (claim.type < 1 || claim.type > kGameTypes) {
      return Refuse(res, 400, "the game type is 1 to " + std::to_string(kGameTypes));
    }
    auto verdict = pool_.Check(std::move(submission.recording), claim);
    if (!verdict) {
      res.set_header("Retry-After", "1");
      return Refuse(res, 503, "the server is busy; try again later");
    }
    const ReplayVerdict checked = verdict->get();
    if (!checked.proven) return Refuse(res, 422, checked.reason);
    const AddResult added = store_.Add(
        {claim.type, claim.score, claim.name, checked.proof, Sha256(checked.proof), UtcNow()});
    if (!added.added) return Refuse(res, 409, "this game is in the world table already");
    res.status = 201;
    res.set_content("{\"accepted\": true, \"place\": " + std::to_string(added.place) +
                        ", \"id\": " + std::to_string(added.id) + "}\n",
                    kJson);
  }

  void Board(const httplib::Request& req, httplib::Response& res) {
    const std::string type_text = req.get_param_value("type");
    const int type = type_text.size() == 1 ? type_text[0] - '0' : 0;
    if (type < 1 || type > kGameTypes) {
      return Refuse(res, 400, "?type= is 1 to " + std::to_string(kGameTypes));
    }
    std::string body = "{\"type\": " + std::to_string(type) + ", \"scores\": [";
    bool first = true;
    for (const TableRow& row : store_.Best(type, kWorldTableRows)) {
      body += first ? "\n" : ",\n";
      first = false;
      body += "{\"place\": " + std::to_string(row.place) + ", \"name\": ";
      AppendJsonText(body, row.name);
      body += ", \"score\": " + std::to_string(row.score) + ", \"date\": ";
      AppendJsonText(body, row.date);
      body += ", \"id\": " + std::to_string(row.id) + "}";
    }
    body += "]}\n";
    res.set_content(body, kJson);
  }

  void Recording(const httplib::Request& req, httplib::Response& res) {
    const std::string id_text = req.matches[1];
    std::int64_t id = 0;
    for (char c : id_text) {
      if (id > 1000000000000LL) return Refuse(res, 404, "no such recording");
      id = id * 10 + (c - '0');
    }
    const std::optional<std::string> proof = store_.Recording(id);
    if (!proof) return Refuse(res, 404, "no such recording");
    res.set_content(*proof, "text/plain; charset=us-ascii");
  }

 private:
  const ServerOptions& options_;
  ScoreStore& store_;
  ReplayPool& pool_;
  RateLimit& limit_;
};

}  // namespace

void InstallWorldApi(httplib::Server& http, const ServerOptions& options, ScoreStore& store,
                     ReplayPool& pool, RateLimit& limit) {
  auto api = std::make_shared<Api>(options, store, pool, limit);
  http.Post("/api/scores",
            [api](const httplib::Request& req, httplib::Response& res) { api->Submit(req, res); });
  http.Get("/api/scores",
           [api](const httplib::Request& req, httplib::Response& res) { api->Board(req, res); });
  http.Get(
      R"(/api/recordings/(\d{1,15}))",
      [api](const httplib::Request& req, httplib::Response& res) { api->Recording(req, res); });
  // The world table is asked for fresh every time: no cache may keep it.
  http.set_post_routing_handler([](const httplib::Request& req, httplib::Response& res) {
    if (req.path.rfind("/api/", 0) == 0) res.set_header("Cache-Control", "no-store");
  });
  // What the library answers itself (a body too large, no such path) and
  // what a failing database throws still reads as the API's refusals.
  http.set_error_handler([](const httplib::Request&, httplib::Response& res) {
    if (!res.body.empty()) return;
    if (res.status == 413) return Refuse(res, 413, "the score sent is too large");
    if (res.status == 404) return Refuse(res, 404, "no such page");
    Refuse(res, res.status, "the request failed");
  });
  http.set_exception_handler(
      [](const httplib::Request&, httplib::Response& res, std::exception_ptr) {
        Refuse(res, 500, "the world table cannot be reached; try again later");
      });
}

}  // namespace klumpix::server
