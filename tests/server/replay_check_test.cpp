// A recording proves a score only when its replay reaches that very game.
#include "server/replay_check.h"

#include <gtest/gtest.h>

#include "server/played_game.h"

namespace klumpix::server {
namespace {

using testing::PlayedGame;
using testing::PlayGame;

const PlayedGame& Game() {
  static const PlayedGame game = PlayGame(4242, 5, "ANNA");
  return game;
}

Claim ClaimOf(const PlayedGame& game) {
  return {game.name, game.type, game.score};
}

ReplayVerdict Check(const std::string& recording, const Claim& claim, ReplayLimits limits = {}) {
  return CheckRecording(recording, claim, limits);
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

TEST(ReplayCheck, APlayedGameProvesItsTypeScoreAndName) {
  ASSERT_GT(Game().score, 0);
  const ReplayVerdict verdict = Check(Game().recording, ClaimOf(Game()));
  EXPECT_TRUE(verdict.proven) << verdict.reason;

  Claim more = ClaimOf(Game());
  more.score += 1;
  EXPECT_EQ(Check(Game().recording, more).reason,
            "the recorded game scored " + std::to_string(Game().score));
  Claim other_type = ClaimOf(Game());
  other_type.type = 4;
  EXPECT_EQ(Check(Game().recording, other_type).reason, "the recorded game is of type 5");
  Claim other_name = ClaimOf(Game());
  other_name.name = "ANNE";
  EXPECT_EQ(Check(Game().recording, other_name).reason, "the recorded name is ANNA");
}

TEST(ReplayCheck, TheLastConfirmedGameIsTheOneProven) {
  testing::RecordingHand hand(99, 3);
  hand.PlayAndEnd(1);
  const std::int32_t first = hand.game().score;
  hand.EnterName("EVA");
  hand.PlayAndEnd(20);
  const std::int32_t second = hand.game().score;
  hand.EnterName("BOB");
  const std::string recording = hand.Finish("BOB").recording;
  ASSERT_NE(first, second);
  EXPECT_TRUE(Check(recording, {"BOB", 3, second}).proven);
  EXPECT_FALSE(Check(recording, {"EVA", 3, first}).proven);
}

TEST(ReplayCheck, EditedOrCutRecordingsProveNothing) {
  const std::string& text = Game().recording;
  const Claim claim = ClaimOf(Game());
  // The events that typed the last letter, gone: the name is ANN.
  const std::size_t enter = text.rfind(" move 52 398");
  const std::size_t letter = text.rfind(" move", text.rfind('\n', text.rfind('\n', enter) - 1));
  const std::size_t cut_from = text.rfind('\n', letter) + 1;
  std::string edited = text.substr(0, cut_from) + text.substr(text.rfind('\n', enter) + 1);
  EXPECT_EQ(Check(edited, claim).reason, "the recorded name is ANN");

  EXPECT_EQ(Check(text.substr(0, text.rfind('\n', text.size() * 2 / 3) + 1), claim).reason,
            "the recording confirms no name entry");
  EXPECT_EQ(Check(Replace(text, "version " KLUMPIX_VERSION, "version 0.9.0"), claim).reason,
            "the recording was made by version 0.9.0, this server takes only " KLUMPIX_VERSION);
  EXPECT_FALSE(Check("GIF89a\x01\x02", claim).proven);
  // Against a table it did not begin with, the score opens no name entry.
  EXPECT_EQ(Check(Replace(text, "winner 5 5 0\n", "winner 5 5 9999\n"), claim).reason,
            "the recording confirms no name entry");
}

TEST(ReplayCheck, LimitsStopLongRecordingsBeforeOrWhileTheyRun) {
  const Claim claim = ClaimOf(Game());
  // Ten hours at 33 ms a tick, refused without replaying a tick.
  const std::string ten_hours = Game().recording + "1090909 move 1 1\n";
  const ReplayVerdict verdict = Check(ten_hours, claim);
  EXPECT_EQ(verdict.reason, "the recording is longer than 400000 ticks");
  EXPECT_EQ(verdict.ticks, 0);

  ReplayLimits no_time;
  no_time.max_cpu_seconds = 0;
  const ReplayVerdict stopped = Check(Game().recording + "390000 move 1 1\n", claim, no_time);
  EXPECT_FALSE(stopped.proven);
  EXPECT_LT(stopped.ticks, 10000);

  ReplayLimits small;
  small.max_bytes = Game().recording.size() - 1;
  EXPECT_FALSE(Check(Game().recording, claim, small).proven);
}

TEST(ReplayCheck, TheSameGameSentAgainInAnotherDressHasTheSameProof) {
  const std::string& text = Game().recording;
  const std::string dressed = "# my best\n" + text + "20000 move 3 3\n";
  const ReplayVerdict plain = Check(text, ClaimOf(Game()));
  const ReplayVerdict again = Check(dressed, ClaimOf(Game()));
  ASSERT_TRUE(again.proven) << again.reason;
  EXPECT_EQ(plain.proof, again.proof);
  EXPECT_TRUE(Check(plain.proof, ClaimOf(Game())).proven);
}

}  // namespace
}  // namespace klumpix::server
