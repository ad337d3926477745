#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "app/settings.h"
#include "app/start_up.h"
#include "shell/winners_storage.h"
#include "support/headless_dir.h"

namespace klumpix {
namespace {

using QuickPress = HeadlessDir;

// A press and its release between the same two ticks, as a quick click, a
// tap or a click tool delivers them: the next tick still sees the press.
TEST_F(QuickPress, AClickReleasedBeforeAnyTickPressesTheButton) {
  LinkPictures();
  WriteFile("start.txt", "seed 5\n20 move 51 200\n20 down left\n20 up left\n");
  ASSERT_EQ(Run({"--input", "start.txt", "--ticks", "22", "--state", "start.json"}), 0);
  const std::string started = ReadFile("start.json");
  EXPECT_NE(started.find("\"game_running\": true"), std::string::npos);
  EXPECT_NE(started.find("\"left_button_down\": false"), std::string::npos)
      << "the held-back release must let go after that tick";

  // The right button on SOUND: one quieter step, and only one.
  WriteFile("sound.txt", "seed 5\n20 move 450 27\n20 down right\n20 up right\n");
  ASSERT_EQ(Run({"--input", "sound.txt", "--ticks", "25", "--state", "sound.json"}), 0);
  EXPECT_NE(ReadFile("sound.json").find("\"sound_volume\": 34900"), std::string::npos);

  // A press during the black ticks is used up by the start-up board build.
  WriteFile("early.txt", "seed 5\n3 move 450 27\n3 down left\n3 up left\n");
  ASSERT_EQ(Run({"--input", "early.txt", "--ticks", "25", "--state", "early.json"}), 0);
  EXPECT_NE(ReadFile("early.json").find("\"sound_volume\": 35000"), std::string::npos);
}

TEST_F(QuickPress, TheStartLineGivesTheRunItsSettingsAndIsRecorded) {
  LinkPictures();
  WriteFile("s.txt", "seed 5\nstart sound off volume 12300 light 49900 type 6\n20 move 1 1\n");
  ASSERT_EQ(Run({"--input", "s.txt", "--ticks", "21", "--state", "s.json", "--record", "r.txt"}),
            0);
  const std::string state = ReadFile("s.json");
  for (const char* want : {"\"sound_on\": false", "\"sound_volume\": 12300",
                           "\"light_level\": 49900", "\"game_type\": 6"}) {
    EXPECT_NE(state.find(want), std::string::npos) << want;
  }
  EXPECT_NE(ReadFile("r.txt").find("start sound off volume 12300 light 49900 type 6 language de\n"),
            std::string::npos);

  WriteFile("bad.txt", "seed 5\nstart sound off volume 12345 light 49900 type 6\n");
  EXPECT_EQ(Run({"--input", "bad.txt", "--ticks", "21"}), 2);
}

TEST(SettingsFile, BadValuesFallBackKeyByKeyAndGoodOnesSurviveARoundTrip) {
  const Settings odd = ParseSettings(
      "sound off\n"
      "volume 9900\n"  // below what the button reaches
      "light 30050\n"  // not on a button step
      "type 9\n"       // no such board
      "fullscreen maybe\n"
      "window 1024\n"  // malformed
      "colour blue\n"  // unknown
      "world ftp://example.org\n"
      "\x01\xff garbage\n");
  EXPECT_FALSE(odd.start.sound_on);
  EXPECT_EQ(odd.start.sound_volume, kDefaultStartValues.sound_volume);
  EXPECT_EQ(odd.start.light_level, kDefaultStartValues.light_level);
  EXPECT_EQ(odd.start.game_type, kDefaultStartValues.game_type);
  EXPECT_TRUE(odd.full_screen);
  EXPECT_EQ(odd.window_width, 800);
  EXPECT_EQ(odd.world, "");

  Settings kept;
  kept.start = {false, 10000, 50000, 8, Language::kEnglish};
  kept.language = Language::kEnglish;
  kept.full_screen = false;
  kept.window_width = 1280;
  kept.window_height = 720;
  kept.world = "https://klumpix.example.org/";
  testing::TempDir dir;
  const std::string path = (dir.path() / "config/klumpix/settings").string();
  std::string error;
  ASSERT_TRUE(SaveSettings(path, kept, error)) << error;
  const Settings read = LoadSettings(path);
  EXPECT_EQ(FormatSettings(read), FormatSettings(kept));
  EXPECT_EQ(read.world, kept.world);
  EXPECT_EQ(read.start.language, Language::kEnglish) << "the file's language over the locale's";

  // Neither a missing file nor a folder in its place stops the game.
  EXPECT_EQ(FormatSettings(LoadSettings((dir.path() / "none").string())), FormatSettings({}));
  EXPECT_EQ(FormatSettings(LoadSettings(dir.path().string())), FormatSettings({}));
  // A folder where the file should go is a failed save with a reason.
  EXPECT_FALSE(SaveSettings((dir.path() / "config").string(), kept, error));
  EXPECT_FALSE(error.empty());
}

// A game that ends before its start-up tick (it lost the focus at once, or
// was closed) keeps the settings it read, not the zeros it holds until then.
TEST(SettingsFile, AnEarlyEndKeepsWhatWasRead) {
  Settings read;
  read.start = {true, 20000, 30000, 5, Language::kGerman};
  auto g = std::make_unique<Game>();
  StartGame(*g, 1, read.start);
  WinnersInMemory winners;
  for (int t = 0; t < kStartUpTick; ++t) DXTimer1Timer(*g, winners);
  EXPECT_EQ(CurrentSettings(*g, read), read);

  DXTimer1Timer(*g, winners);  // the start-up tick: now the game's own
  g->settings.sound_volume = 20100;
  EXPECT_EQ(CurrentSettings(*g, read).start.sound_volume, 20100);
  EXPECT_EQ(CurrentSettings(*g, read).start.game_type, 5);
}

}  // namespace
}  // namespace klumpix
