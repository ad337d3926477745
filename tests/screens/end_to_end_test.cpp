// A whole session, headless, from START to a saved name.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/headless.h"
#include "app/options.h"
#include "app/winners_file.h"
#include "screens/winners.h"
#include "support/game_fixture.h"
#include "support/headless_dir.h"

namespace klumpix {
namespace {

// Starts a game of type 3, takes the first store row once it has filled and
// sets it down, ends the game with ENDE, spells KLUM and presses ENTER.
constexpr const char* kSessionScript =
    "seed 2026\n"
    "11 move 51 200\n"
    "12 down left\n"
    "15 click\n"
    "15 up left\n"
    "160 move 150 132\n"
    "161 down left\n"
    "163 click\n"
    "163 up left\n"
    "170 move 114 246\n"
    "171 down left\n"
    "173 click\n"
    "173 up left\n"
    "200 move 54 546\n"
    "201 down left\n"
    "203 up left\n"
    "210 move 305 370\n"  // K
    "211 down left\n"
    "211 click\n"
    "211 up left\n"
    "215 move 325 370\n"  // L
    "216 down left\n"
    "216 click\n"
    "216 up left\n"
    "220 move 505 370\n"  // U
    "221 down left\n"
    "221 click\n"
    "221 up left\n"
    "225 move 345 370\n"  // M
    "226 down left\n"
    "226 click\n"
    "226 up left\n"
    "230 move 52 398\n"  // ENTER
    "231 down left\n"
    "234 up left\n";

class Session : public HeadlessDir {
 protected:
  void SetUp() override {
    HeadlessDir::SetUp();
    LinkPictures();
  }
};

// The number after "key": in a state dump, or -1.
long long NumberAfter(const std::string& json, const std::string& key) {
  const std::size_t at = json.find("\"" + key + "\": ");
  if (at == std::string::npos) return -1;
  return std::stoll(json.substr(at + key.size() + 4));
}

TEST_F(Session, APlayedGameEndsWithTheNameSavedInTheWinnersFile) {
  // A table of low scores, so that any points win place 1.
  auto low = testing::NewGame();
  for (int t = 1; t <= kGameTypes; ++t) {
    for (int p = 1; p <= kPlaces; ++p) low->winner_name[t][p].Assign("NIEMAND");
  }
  WinnersFile groar_dat("groar.dat");
  ASSERT_TRUE(SaveWinners(*low, groar_dat));
  std::ofstream("session.txt") << kSessionScript;

  ASSERT_EQ(Run({"--input", "session.txt", "--ticks", "231", "--state", "before.json"}), 0);
  const std::string before = ReadFile("before.json");
  ASSERT_EQ(NumberAfter(before, "screen_mode"), 4) << "the game did not reach the name entry";
  EXPECT_NE(before.find("\"entry_name\": \"KLUM\""), std::string::npos);
  const long long score = NumberAfter(before, "score");
  ASSERT_GT(score, 0);

  ASSERT_EQ(Run({"--input", "session.txt", "--ticks", "240", "--state", "after.json"}), 0);
  const std::string after = ReadFile("after.json");
  EXPECT_EQ(NumberAfter(after, "screen_mode"), 1);
  EXPECT_NE(after.find("\"KLUM\""), std::string::npos);
  EXPECT_NE(after.find(std::to_string(score)), std::string::npos);

  const std::string file = ReadFile("groar.dat");
  ASSERT_EQ(file.size(), 976u);
  const std::size_t record = 16 * ((3 - 1) * 8);  // type 3, place 1
  EXPECT_EQ(file[record], 4);
  EXPECT_EQ(file.substr(record + 1, 4), "KLUM");
  std::int32_t saved = 0;
  for (int i = 3; i >= 0; --i)
    saved = saved * 256 + static_cast<unsigned char>(file[record + 12 + i]);
  EXPECT_EQ(saved, score);
  EXPECT_EQ(file.substr(record + 16 + 1, 7), "NIEMAND") << "the old first place moved down";
}

// The recording of that session carries the table it began on: replayed
// beside no table, the starter table or another full one, it plays the same
// game to the same name entry, and leaves the folder's table as it was.
TEST_F(Session, ARecordingReplaysTheSameBesideAnyTableAndWritesNone) {
  auto low = testing::NewGame();
  for (int t = 1; t <= kGameTypes; ++t) {
    for (int p = 1; p <= kPlaces; ++p)
      low->winner_name[t][p].Assign(p == 1 ? "A B#\xC4" : "NIEMAND");
  }
  WinnersFile groar_dat("groar.dat");
  ASSERT_TRUE(SaveWinners(*low, groar_dat));
  std::ofstream("session.txt") << kSessionScript;
  ASSERT_EQ(Run({"--input", "session.txt", "--ticks", "240", "--record", "rec.txt", "--state",
                 "played.json"}),
            0);
  const std::string played = ReadFile("played.json");
  ASSERT_NE(played.find("\"KLUM\""), std::string::npos) << "the name was not entered";
  EXPECT_NE(ReadFile("rec.txt").find("winner 3 1 0 A\\x20B\\x23\\xC4\n"), std::string::npos);

  auto other = testing::NewGame();
  SetStarterWinners(*other);
  other->winner_score[3][1] = 9999999;
  for (const char* table : {"none", "starter", "other"}) {
    std::filesystem::remove("groar.dat");
    if (std::string(table) == "starter") {
      auto starter = testing::NewGame();
      SetStarterWinners(*starter);
      ASSERT_TRUE(SaveWinners(*starter, groar_dat));
    }
    if (std::string(table) == "other") {
      ASSERT_TRUE(SaveWinners(*other, groar_dat));
    }
    const bool had_file = std::filesystem::exists("groar.dat");
    const std::string before = had_file ? ReadFile("groar.dat") : "";
    ASSERT_EQ(Run({"--input", "rec.txt", "--ticks", "240", "--state", "replayed.json"}), 0);
    EXPECT_TRUE(ReadFile("replayed.json") == played) << "beside " << table;
    EXPECT_EQ(std::filesystem::exists("groar.dat"), had_file) << "beside " << table;
    if (had_file) {
      EXPECT_TRUE(ReadFile("groar.dat") == before) << "beside " << table;
    }
  }
}

}  // namespace
}  // namespace klumpix
