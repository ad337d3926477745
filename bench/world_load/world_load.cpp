// The world table under load: many clients sending valid and forged games
// to a running klumpix-server for a while; prints the figures of
// docs/performance.md and fails when a valid game was lost or a forged one
// kept.
// usage: klumpix_world_load HOST PORT CLIENTS SECONDS
#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/json_text.h"
#include "server/played_game.h"
#include "server/replay_check.h"

namespace {

using klumpix::testing::PlayedGame;
using klumpix::testing::RecordingHand;
using Clock = std::chrono::steady_clock;

// Games paused at their name entries; each valid submission enters a name of
// its own on a copy, so that every one is a game the table has not seen.
class GameMaker {
 public:
  GameMaker() {
    for (int i = 0; i < kBases; ++i) {
      bases_.emplace_back(1000 + i, 1 + i % 8);
      bases_.back().PlayAndEnd(1 + (i * 7) % 40);
      scores_.push_back(bases_.back().game().score);
    }
  }

  PlayedGame Next() {
    std::unique_lock lock(mutex_);
    const int n = counter_++;
    RecordingHand hand(bases_[n % kBases]);
    const std::int32_t score = scores_[n % kBases];
    lock.unlock();
    std::string name;
    for (int rest = n / kBases + 1; rest > 0 && name.size() < 7; rest /= 26) {
      name += static_cast<char>('A' + rest % 26);
    }
    hand.EnterName(name);
    PlayedGame game = hand.Finish(name);
    game.score = score;
    return game;
  }

 private:
  static constexpr int kBases = 24;
  std::mutex mutex_;
  std::vector<RecordingHand> bases_;
  std::vector<std::int32_t> scores_;
  int counter_ = 0;
};

std::string Body(const std::string& name, int type, int score, const std::string& recording) {
  return klumpix::ScoreSubmissionJson(name, type, score, recording);
}

// Every third submission is forged, five ways in turn.
std::string Forged(const PlayedGame& game, int way) {
  switch (way % 5) {
    case 0:
      return Body(game.name, game.type, game.score + 1, game.recording);
    case 1:
      return Body(game.name, game.type % 8 + 1, game.score, game.recording);
    case 2:
      return Body("FORGED", game.type, game.score, game.recording);
    case 3:
      return Body(game.name, game.type, game.score, game.recording.substr(0, 900));
    default:
      return Body(game.name, game.type, game.score, "seed 1\nversion 0.0.1\n");
  }
}

struct Tally {
  std::mutex mutex;
  std::vector<double> millis;
  int valid_sent = 0, valid_kept = 0, forged_sent = 0, forged_kept = 0;
  int busy = 0, resent = 0, failed = 0;
  std::int64_t valid_ticks = 0;
  std::vector<PlayedGame> kept;  // a sample, replayed afterwards for the figure
};

void Client(const std::string& host, int port, int index, Clock::time_point end, GameMaker& maker,
            Tally& tally) {
  httplib::Client http(host, port);
  http.set_read_timeout(60);
  for (int round = 0; Clock::now() < end; ++round) {
    const PlayedGame game = maker.Next();
    const bool forged = round % 3 == 2;
    const std::string body = forged ? Forged(game, index + round)
                                    : Body(game.name, game.type, game.score, game.recording);
    int resent = 0;
    for (;;) {
      const auto sent = Clock::now();
      const httplib::Result res = http.Post("/api/scores", body, "application/json");
      const double ms = std::chrono::duration<double, std::milli>(Clock::now() - sent).count();
      if (res && res->status == 503) {
        // Queued out: sent again a little later, as the page does.
        {
          std::lock_guard lock(tally.mutex);
          tally.millis.push_back(ms);
          ++tally.busy;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100 + 37 * (index % 5)));
        continue;
      }
      std::lock_guard lock(tally.mutex);
      tally.millis.push_back(ms);
      // A kept-alive connection the server closed as this was sent: sent
      // again on a new one. That is safe because the same game is kept once:
      // an answer 409 then means the first sending was kept.
      if (!res && resent++ < 3) {
        ++tally.resent;
        continue;
      }
      if (!res) ++tally.failed;
      const bool kept = res && (res->status == 201 || (resent > 0 && res->status == 409));
      if (forged) {
        ++tally.forged_sent;
        tally.forged_kept += kept;
      } else {
        ++tally.valid_sent;
        tally.valid_kept += kept;
        if (kept && tally.kept.size() < 200) tally.kept.push_back(game);
      }
      break;
    }
  }
}

double Percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: klumpix_world_load HOST PORT CLIENTS SECONDS\n");
    return 2;
  }
  const std::string host = argv[1];
  const int port = std::atoi(argv[2]);
  const int clients = std::atoi(argv[3]);
  const int seconds = std::atoi(argv[4]);

  GameMaker maker;
  Tally tally;
  const auto start = Clock::now();
  const auto end = start + std::chrono::seconds(seconds);
  std::vector<std::thread> threads;
  for (int i = 0; i < clients; ++i) {
    threads.emplace_back(Client, host, port, i, end, std::ref(maker), std::ref(tally));
  }
  for (std::thread& thread : threads) thread.join();
  const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();

  // Replay seconds per hour of play, on one thread, from the kept sample.
  double cpu = 0, played_ticks = 0;
  for (const PlayedGame& game : tally.kept) {
    const auto t0 = Clock::now();
    const auto verdict =
        klumpix::server::CheckRecording(game.recording, {game.name, game.type, game.score}, {});
    cpu += std::chrono::duration<double>(Clock::now() - t0).count();
    played_ticks += verdict.ticks;
  }
  const double hours = played_ticks * 0.033 / 3600.0;
  const int answered = tally.valid_sent + tally.forged_sent;
  std::printf(
      "%d clients, %.1f s: %d submissions (%.1f a second; %d valid, %d kept; %d forged, %d kept), "
      "%d answered busy and %d unanswered sent again, %d never answered; answer p50 %.1f ms, "
      "p99 %.1f ms; "
      "replay %.2f s per hour of play\n",
      clients, elapsed, answered, answered / elapsed, tally.valid_sent, tally.valid_kept,
      tally.forged_sent, tally.forged_kept, tally.busy, tally.resent, tally.failed,
      Percentile(tally.millis, 0.5), Percentile(tally.millis, 0.99), hours > 0 ? cpu / hours : 0.0);
  const bool ok = tally.valid_kept == tally.valid_sent && tally.forged_kept == 0 &&
                  tally.failed == 0 && answered > 0;
  if (!ok) std::printf("world-load: a valid game was lost or a forged one kept\n");
  return ok ? 0 : 1;
}
