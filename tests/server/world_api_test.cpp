// The world table through its HTTP API, a real server on 127.0.0.1 in front
// of SQLite and of PostgreSQL (when tests/server/run_postgresql_test.sh has
// started one): proven games are kept once, forged ones never.
#include <gtest/gtest.h>
#include <httplib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "app/json_text.h"
#include "server/played_game.h"
#include "server/replay_check.h"
#include "server/server_process.h"
#include "support/temp_dir.h"
#if KLUMPIX_WITH_POSTGRESQL
#include <pqxx/pqxx>
#endif

namespace klumpix {
namespace {

using testing::PlayedGame;
using testing::PlayGame;

std::string Body(const std::string& name, int type, int score, const std::string& recording) {
  return ScoreSubmissionJson(name, type, score, recording);
}

std::string Body(const PlayedGame& game) {
  return Body(game.name, game.type, game.score, game.recording);
}

const PlayedGame& Anna() {
  static const PlayedGame game = PlayGame(4242, 5, "ANNA");
  return game;
}

// The database a server of the test stands in front of, emptied first.
std::string Database(const std::string& kind, const testing::TempDir& folder) {
  if (kind == "sqlite") return "sqlite:" + folder.str() + "/world.db";
  const char* uri = std::getenv("KLUMPIX_TEST_POSTGRESQL");
#if KLUMPIX_WITH_POSTGRESQL
  pqxx::connection connection(uri);
  pqxx::work work(connection);
  work.exec("DROP SCHEMA public CASCADE; CREATE SCHEMA public");
  work.commit();
#endif
  return uri;
}

class WorldApi : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override { db_ = Database(GetParam(), folder_); }

  void StartServer(std::vector<std::string> args = {}) {
    args.insert(args.end(), {"--db", db_, "--per-minute", "1000"});
    ASSERT_TRUE(server_.Start(args));
    client_ = std::make_unique<httplib::Client>("127.0.0.1", server_.port());
    client_->set_read_timeout(30);
  }

  httplib::Result Send(const std::string& body) {
    return client_->Post("/api/scores", body, "application/json");
  }

  // The answer's status and body, or 0 and "" when none came.
  std::pair<int, std::string> Sent(const std::string& body) {
    const httplib::Result res = Send(body);
    return res ? std::pair{res->status, res->body} : std::pair{0, std::string()};
  }

  testing::TempDir folder_;
  std::string db_;
  testing::ServerProcess server_;
  std::unique_ptr<httplib::Client> client_;
};

TEST_P(WorldApi, AProvenGameIsKeptOnceListedAndWatchable) {
  StartServer();
  const auto [status, answer] = Sent(Body(Anna()));
  EXPECT_EQ(status, 201);
  ASSERT_EQ(answer.rfind("{\"accepted\": true, \"place\": 1, \"id\": ", 0), 0u) << answer;
  const std::string id =
      answer.substr(answer.rfind(' ') + 1, answer.size() - answer.rfind(' ') - 3);
  EXPECT_EQ(Sent(Body(Anna())).first, 409) << "the same recording again";
  EXPECT_EQ(Sent(Body(Anna().name, 5, Anna().score, "# again\n" + Anna().recording)).first, 409)
      << "the same game with a comment";

  // A better game goes above it; the server restarted on the same database
  // keeps what it had.
  const PlayedGame better = PlayGame(77, 5, "BEN", 30);
  ASSERT_GT(better.score, Anna().score);
  ASSERT_EQ(server_.Stop(), 0);
  StartServer();
  EXPECT_EQ(Sent(Body(better)).second.rfind("{\"accepted\": true, \"place\": 1, ", 0), 0u);

  const httplib::Result board = client_->Get("/api/scores?type=5");
  ASSERT_TRUE(board);
  EXPECT_EQ(board->get_header_value("Cache-Control"), "no-store");
  const std::string& text = board->body;
  EXPECT_NE(
      text.find("{\"place\": 1, \"name\": \"BEN\", \"score\": " + std::to_string(better.score)),
      std::string::npos)
      << text;
  EXPECT_NE(
      text.find("{\"place\": 2, \"name\": \"ANNA\", \"score\": " + std::to_string(Anna().score)),
      std::string::npos)
      << text;
  EXPECT_EQ(client_->Get("/api/scores?type=4")->body, "{\"type\": 4, \"scores\": []}\n");

  const httplib::Result recording = client_->Get("/api/recordings/" + id);
  ASSERT_TRUE(recording);
  EXPECT_TRUE(server::CheckRecording(recording->body, {"ANNA", 5, Anna().score}, {}).proven);
  EXPECT_EQ(client_->Get("/api/recordings/999")->status, 404);
}

TEST_P(WorldApi, ForgedGamesAreRefusedAndNoneIsKept) {
  StartServer({"--max-body", "2097152"});
  const PlayedGame& game = Anna();
  const std::string& text = game.recording;
  const std::size_t letter = text.rfind(" move 105 370");  // the last A of ANNA
  const std::size_t line = text.rfind('\n', letter) + 1;
  const std::string without_letter =
      text.substr(0, line) + text.substr(text.find("\n", letter) + 1);
  std::string old_version = text;
  old_version.replace(old_version.find(KLUMPIX_VERSION), 5, "0.9.9");
  const std::pair<std::string, int> forged[] = {
      {Body(game.name, 5, game.score + 10, text), 422},
      {Body(game.name, 4, game.score, text), 422},
      {Body("ANNE", 5, game.score, text), 422},
      {Body(game.name, 5, game.score, without_letter), 422},
      {Body(game.name, 5, game.score, text.substr(0, text.size() / 2)), 422},
      {Body(game.name, 5, game.score, old_version), 422},
      {Body(game.name, 5, game.score, text + "1090909 move 1 1\n"), 422},  // ten hours
      {Body(game.name, 5, game.score, "\x89PNG\r\n"), 422},
      {Body("anna", 5, game.score, text), 400},
      {Body("ANNALENA", 5, game.score, text), 400},
      {"{\"name\": \"ANNA\", \"type\": 5", 400},
      {Body(game.name, 5, game.score, std::string(3 << 20, '#')), 413},
  };
  for (const auto& [body, status] : forged) {
    const auto [got, reason] = Sent(body);
    EXPECT_EQ(got, status) << reason << body.substr(0, 200);
    EXPECT_NE(reason.find("\"accepted\": false, \"reason\": \""), std::string::npos) << reason;
  }
  const std::string old_reason = Sent(Body(game.name, 5, game.score, old_version)).second;
  EXPECT_NE(old_reason.find("made by version 0.9.9"), std::string::npos) << old_reason;
  EXPECT_EQ(client_->Get("/api/scores?type=5")->body, "{\"type\": 5, \"scores\": []}\n");
}

// PostgreSQL only where tests/server/run_postgresql_test.sh started one.
std::vector<std::string> Databases() {
  if (std::getenv("KLUMPIX_TEST_POSTGRESQL") == nullptr) return {"sqlite"};
  return {"sqlite", "postgresql"};
}

INSTANTIATE_TEST_SUITE_P(Databases, WorldApi, ::testing::ValuesIn(Databases()),
                         [](const auto& info) { return info.param; });

class WorldServer : public ::testing::Test {
 protected:
  testing::TempDir folder_;
  testing::ServerProcess server_;
};

TEST_F(WorldServer, EachAddressMaySendItsShareAMinuteCountedBehindATrustedProxy) {
  ASSERT_TRUE(server_.Start({"--db", "sqlite:" + folder_.str() + "/w.db", "--per-minute", "2",
                             "--trusted-proxy", "127.0.0.1"}));
  httplib::Client client("127.0.0.1", server_.port());
  auto status_from = [&](const std::string& forwarded) {
    httplib::Headers headers;
    if (!forwarded.empty()) headers.emplace("X-Forwarded-For", forwarded);
    return client.Post("/api/scores", headers, "{}", "application/json")->status;
  };
  EXPECT_EQ(status_from("203.0.113.7"), 400);
  EXPECT_EQ(status_from("203.0.113.7"), 400);
  EXPECT_EQ(status_from("203.0.113.7"), 429);
  // What the client wrote before the proxy's own entry counts for nothing.
  EXPECT_EQ(status_from("203.0.113.7, 198.51.100.1"), 400);
  EXPECT_EQ(status_from("198.51.100.1, 203.0.113.7"), 429);
}

TEST_F(WorldServer, ServesThePageBesideTheApi) {
  {
    std::ofstream page(folder_.str() + "/index.html");
    page << "<title>klumpix</title>";
  }
  ASSERT_TRUE(
      server_.Start({"--db", "sqlite:" + folder_.str() + "/w.db", "--site", folder_.str()}));
  httplib::Client client("127.0.0.1", server_.port());
  const httplib::Result page = client.Get("/index.html");
  ASSERT_TRUE(page);
  EXPECT_EQ(page->body, "<title>klumpix</title>");
  EXPECT_EQ(page->get_header_value("Cache-Control"), "");
}

// The game's own --submit finds the game a recording proves and sends it.
TEST_F(WorldServer, TheGameSendsAKeptGameFromTheCommandLine) {
  const std::string game = std::string(KLUMPIX_TEST_BINARY_DIR) + "/klumpix";
  if (access(game.c_str(), X_OK) != 0) GTEST_SKIP() << "the game is not built here";
  ASSERT_TRUE(server_.Start({"--db", "sqlite:" + folder_.str() + "/w.db"}));
  const std::string file = folder_.str() + "/best.txt";
  {
    std::ofstream out(file);
    out << Anna().recording;
  }
  const std::string command = game + " --submit " + file +
                              " --server http://127.0.0.1:" + std::to_string(server_.port()) +
                              " 2>&1";
  auto run = [&](std::string& said) {
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) said += buffer;
    return WEXITSTATUS(pclose(pipe));
  };
  std::string first, second;
  EXPECT_EQ(run(first), 0) << first;
  EXPECT_EQ(first.rfind("klumpix: ANNA, type 5, " + std::to_string(Anna().score) +
                            " points: {\"accepted\": true, \"place\": 1",
                        0),
            0u)
      << first;
  EXPECT_EQ(run(second), 1) << "sent once only: " << second;
}

}  // namespace
}  // namespace klumpix
