#include "server/world_submit.h"

#include <httplib.h>

#include <cstdio>

#include "app/json_text.h"
#include "core/file_io.h"
#include "server/replay_check.h"

namespace klumpix::server {

int SubmitRecording(const std::string& path, const std::string& server) {
  std::string recording, error;
  if (!ReadRegularFile(path.c_str(), ReplayLimits{}.max_bytes, recording, error)) {
    std::fprintf(stderr, "klumpix: %s\n", error.c_str());
    return 2;
  }
  return SubmitRecordingText(recording, path, server);
}

int SubmitRecordingText(const std::string& recording, const std::string& source,
                        const std::string& server) {
  const ReplayVerdict verdict = ReplayRecording(recording, ReplayLimits{});
  if (!verdict.proven) {
    std::fprintf(stderr, "klumpix: %s: %s\n", source.c_str(), verdict.reason.c_str());
    return 2;
  }
  httplib::Client client(server);
  if (!client.is_valid()) {
    std::fprintf(stderr, "klumpix: --server needs http://HOST[:PORT] or https://...\n");
    return 2;
  }
  client.set_connection_timeout(10);
  client.set_read_timeout(60);
  const httplib::Result res = client.Post(
      "/api/scores",
      ScoreSubmissionJson(verdict.game.name, verdict.game.type, verdict.game.score, recording),
      "application/json");
  if (!res) {
    std::fprintf(stderr, "klumpix: %s: %s\n", server.c_str(),
                 httplib::to_string(res.error()).c_str());
    return 1;
  }
  std::printf("klumpix: %s, type %d, %d points: %s", verdict.game.name.c_str(), verdict.game.type,
              verdict.game.score, res->body.c_str());
  return res->status == 201 ? 0 : 1;
}

WorldSender::~WorldSender() {
  for (std::thread& t : sending_) t.join();
}

void WorldSender::Send(const std::string& recording, const std::string& server) {
  sending_.emplace_back(
      [recording, server] { SubmitRecordingText(recording, "this game", server); });
}

}  // namespace klumpix::server
