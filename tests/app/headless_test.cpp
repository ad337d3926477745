#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/event_feed.h"
#include "app/input_script.h"
#include "app/pointer_events.h"
#include "app/start_up.h"
#include "app/state_dump.h"
#include "app/winners_file.h"
#include "shell/assets.h"
#include "shell/game.h"
#include "shell/sound.h"
#include "support/headless_dir.h"
#include "tick/tick.h"

namespace klumpix {
namespace {

using HeadlessRun = HeadlessDir;

TEST_F(HeadlessRun, SeedOptionBeatsTheScriptsSeed) {
  LinkPictures();
  WriteFile("play.txt", kPlayScript);
  ASSERT_EQ(Run({"--input", "play.txt", "--ticks", "230", "--state", "script.json"}), 0);
  ASSERT_EQ(Run({"--input", "play.txt", "--ticks", "230", "--seed", "99", "--state", "same.json"}),
            0);
  ASSERT_EQ(
      Run({"--input", "play.txt", "--ticks", "230", "--seed", "100", "--state", "other.json"}), 0);
  EXPECT_EQ(ReadFile("script.json"), ReadFile("same.json"));
  EXPECT_NE(ReadFile("script.json"), ReadFile("other.json"));
}

TEST_F(HeadlessRun, AWindowSessionRecordedReplaysToTheSameState) {
  LinkPictures();
  // Play as the window would: raw mouse events through the translator, each
  // call delivered and recorded with the tick that reads it.
  auto g = std::make_unique<Game>();
  auto pictures = std::make_unique<PictureSet>();
  StartGame(*g, 4242, kDefaultStartValues);
  ASSERT_TRUE(LoadGamePictures(*pictures));
  PointerTranslator mouse;
  std::vector<InputEvent> recording;
  auto deliver = [&](const PointerCalls& calls) {
    for (int i = 0; i < calls.count; ++i) {
      DeliverInputEvent(*g, calls.calls[i]);
      recording.push_back(calls.calls[i]);
    }
  };
  WinnersFile winners("groar.dat");
  for (int t = 0; t < 230; ++t) {
    const int now = g->tick_count;
    if (t == 3) deliver(mouse.Move(now, 900, 50));  // off the picture: clamped
    if (t == 11) deliver(mouse.Move(now, 50, 196));
    if (t == 12) deliver(mouse.Press(now, MouseButton::kLeft, 1, false));
    if (t == 15) deliver(mouse.Release(now, MouseButton::kLeft, false, true));
    if (t == 16) deliver(mouse.Press(now, MouseButton::kLeft, 2, false));  // double click
    if (t == 17) deliver(mouse.Release(now, MouseButton::kLeft, false, true));
    if (t == 40) deliver(mouse.Press(now, MouseButton::kLeft, 1, true));  // sound off
    if (t == 41) deliver(mouse.Release(now, MouseButton::kLeft, true, true));
    if (t == 160) deliver(mouse.Move(now, 150, 132));
    if (t == 161) deliver(mouse.Press(now, MouseButton::kLeft, 1, false));
    if (t == 163) deliver(mouse.Release(now, MouseButton::kLeft, false, true));
    if (t == 170) deliver(mouse.Move(now, 114, 246));
    if (t == 171) deliver(mouse.Press(now, MouseButton::kLeft, 1, false));
    if (t == 173) deliver(mouse.Release(now, MouseButton::kLeft, false, true));
    DXTimer1Timer(*g, winners);
  }
  ASSERT_TRUE(g->game_running);
  ASSERT_FALSE(g->settings.sound_on);
  std::filesystem::remove("groar.dat");

  WriteFile("rec.txt", FormatInputScript(4242, kDefaultStartValues, recording));
  ASSERT_EQ(Run({"--input", "rec.txt", "--ticks", "230", "--state", "replay.json"}), 0);
  EXPECT_EQ(ReadFile("replay.json"), StateDumpJson(*g));
}

TEST_F(HeadlessRun, RecordingAReplayWritesTheSameScript) {
  LinkPictures();
  WriteFile("play.txt", kPlayScript);
  ASSERT_EQ(Run({"--input", "play.txt", "--record", "again.txt"}), 0);
  InputScript original, again;
  std::string error;
  ASSERT_TRUE(LoadInputScript("play.txt", original, error));
  ASSERT_TRUE(LoadInputScript("again.txt", again, error)) << error;
  EXPECT_EQ(again.seed, original.seed);
  EXPECT_EQ(again.events, original.events);

  // A recording that cannot be made stops the run before its first tick.
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(Run({"--input", "play.txt", "--record", "no/such/folder/r.txt", "--state", "s.json"}),
            2);
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("no/such/folder/r.txt"),
            std::string::npos);
  EXPECT_FALSE(std::filesystem::exists("s.json"));
}

// An empty res/ in the working folder is no reason to stop: the pictures
// beside the executable are found next.
TEST_F(HeadlessRun, AResFolderWithoutThePicturesIsPassedOver) {
  std::filesystem::create_directory("res");
  EXPECT_EQ(Run({"--ticks", "20", "--state", "s.json"}), 0);
  EXPECT_TRUE(std::filesystem::exists("s.json"));
}

TEST_F(HeadlessRun, ABadScriptLineStopsWithItsLineNumber) {
  LinkPictures();
  WriteFile("bad.txt", "seed 1\n5 click\n3 click\n");
  ::testing::internal::CaptureStderr();
  const int status = Run({"--input", "bad.txt"});
  const std::string message = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(status, 2);
  EXPECT_EQ(message.rfind("bad.txt:3: ", 0), 0u) << message;
}

TEST_F(HeadlessRun, TraceHasOneLinePerTickFromTheStartUpTickOn) {
  LinkPictures();
  ASSERT_EQ(Run({"--seed", "1", "--ticks", "25", "--trace", "t.jsonl"}), 0);
  const std::string trace = ReadFile("t.jsonl");
  std::vector<std::string> lines;
  for (std::size_t pos = 0; pos < trace.size();) {
    std::size_t end = trace.find('\n', pos);
    lines.push_back(trace.substr(pos, end - pos));
    pos = end + 1;
  }
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines.front().rfind("{\"tick\": 10, ", 0), 0u);
  EXPECT_EQ(lines.back().rfind("{\"tick\": 24, ", 0), 0u);
  const char* keys[] = {
      "\"tick\"",       "\"screen_mode\"",     "\"game_type\"",     "\"game_running\"",
      "\"game_over\"",  "\"score\"",           "\"stones_placed\"", "\"explosion_count\"",
      "\"active_row\"", "\"countdown_start\"", "\"carried\"",       "\"sounds\""};
  std::size_t at = 0;
  for (const char* key : keys) {
    const std::size_t found = lines.front().find(key, at);
    ASSERT_NE(found, std::string::npos) << key << " missing or out of order";
    at = found;
  }
}

TEST_F(HeadlessRun, WithoutTicksTheScriptIsPlayedToItsEnd) {
  LinkPictures();
  WriteFile("short.txt", "seed 3\n40 move 200 100\n");
  ASSERT_EQ(Run({"--input", "short.txt", "--state", "s.json"}), 0);
  const std::string state = ReadFile("s.json");
  EXPECT_NE(state.find("\"tick_count\": 41,"), std::string::npos);
  EXPECT_NE(state.find("\"mouse_x\": 200,"), std::string::npos);
}

}  // namespace
}  // namespace klumpix
