#include "app/state_dump.h"

#include <gtest/gtest.h>

#include <memory>
#include <regex>

#include "shell/game.h"
#include "shell/sound.h"

namespace klumpix {
namespace {

class StateDumpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g = std::make_unique<Game>();
    ResetGame(*g);
  }
  std::unique_ptr<Game> g;
};

TEST_F(StateDumpTest, KeysAreTheGamesNamesInTheirOrder) {
  const std::string dump = StateDumpJson(*g);
  std::vector<std::string> keys;
  const std::regex top_level_key("\n  \"([a-z_]+)\": ");
  for (std::sregex_iterator it(dump.begin(), dump.end(), top_level_key), end; it != end; ++it) {
    keys.push_back((*it)[1]);
  }
  const std::vector<std::string> expected = {"tick_count",
                                             "screen_mode",
                                             "game_type",
                                             "game_running",
                                             "game_over",
                                             "confirm_open",
                                             "quit_requested",
                                             "sound_on",
                                             "sound_volume",
                                             "light_level",
                                             "mouse_x",
                                             "mouse_y",
                                             "left_button_down",
                                             "right_button_down",
                                             "clicked",
                                             "score",
                                             "stones_placed",
                                             "explosion_count",
                                             "active_row",
                                             "countdown_start",
                                             "countdown_start_timer",
                                             "row_countdown",
                                             "store",
                                             "carried",
                                             "bonus_given",
                                             "slot_top",
                                             "dynamic_slot_floor",
                                             "shake",
                                             "objects",
                                             "floating_text",
                                             "winner_name",
                                             "winner_score",
                                             "entry_name",
                                             "entry_name_length",
                                             "winner_place",
                                             "entry_placed",
                                             "floor_tile_design",
                                             "floor_tile_brightness",
                                             "lights",
                                             "texts",
                                             "sounds"};
  EXPECT_EQ(keys, expected);
  EXPECT_EQ(dump.front(), '{');
  EXPECT_EQ(dump.substr(dump.size() - 2), "}\n");
}

TEST_F(StateDumpTest, TablesAreWrittenFromTheirFirstElement) {
  for (int r = 1; r <= kStoreRows; ++r) g->stone_store.row_countdown[r] = 100 + r;
  g->stone_store.store[1][1] = 7;
  g->stone_store.store[14][3] = 9;
  g->stone_store.carried[1] = 11;
  g->stone_store.carried[3] = 13;
  g->stone_store.bonus_given[13] = true;
  g->winner_score[8][5] = 600;
  const std::string dump = StateDumpJson(*g);
  EXPECT_NE(dump.find("\"row_countdown\": [101, 102, 103, 104, 105, 106, 107, 108, 109, 110, "
                      "111, 112, 113, 114],"),
            std::string::npos);
  EXPECT_NE(dump.find("\"store\": [[7, 0, 0], [0, 0, 0]"), std::string::npos);
  EXPECT_NE(dump.find("[0, 0, 0], [0, 0, 9]],"), std::string::npos);
  EXPECT_NE(dump.find("\"carried\": [11, 0, 13],"), std::string::npos);
  EXPECT_NE(dump.find("false, false, true],\n  \"slot_top\""), std::string::npos);
  EXPECT_NE(dump.find("[0, 0, 0, 0, 600]],"), std::string::npos);
  EXPECT_NE(dump.find("\"floor_tile_brightness\": [0"), std::string::npos);
}

TEST_F(StateDumpTest, OnlyLiveObjectsAndRunningTextsAreListed) {
  g->obj.alive[7] = 1;
  g->obj.kind[7] = kKindPiece;
  g->obj.neighbor[7][1] = 12;
  g->obj.neighbor[7][6] = 3;
  g->obj.alive[3] = 1;
  g->obj.kind[3] = kKindButton;
  g->floating_text[4].timer = 0;
  g->floating_text[4].text.Assign("GONE");
  g->floating_text[9].timer = 5;
  g->floating_text[9].text.Assign("+30");
  const std::string dump = StateDumpJson(*g);
  const std::size_t first = dump.find("{\"slot\": 3, \"kind\": 3,");
  const std::size_t second = dump.find("{\"slot\": 7, \"kind\": 4,");
  ASSERT_NE(first, std::string::npos);
  ASSERT_NE(second, std::string::npos);
  EXPECT_LT(first, second);
  EXPECT_NE(dump.find("\"neighbor\": [12, 0, 0, 0, 0, 3]}"), std::string::npos);
  EXPECT_EQ(dump.find("\"slot\": 1,"), std::string::npos);
  EXPECT_EQ(dump.find("GONE"), std::string::npos);
  EXPECT_NE(dump.find("\"timer\": 5, \"text\": \"+30\"}"), std::string::npos);
}

TEST_F(StateDumpTest, TextsBecomeEscapedUtf8) {
  g->winner_name[1][1].Assign("J\xC4GER");
  g->entry.entry_name.Assign("A\"B\\");
  TextCall& call = g->text.text_calls[g->text.text_call_count++];
  call.x = 5;
  call.y = 6;
  call.font = 1;
  call.alpha = 0;
  call.text.Assign("SPIEL L\xC4UFT");
  const std::string dump = StateDumpJson(*g);
  EXPECT_NE(dump.find("[[\"J\xC3\x84GER\", "), std::string::npos);
  EXPECT_NE(dump.find("\"entry_name\": \"A\\\"B\\\\\","), std::string::npos);
  EXPECT_NE(dump.find("[5, 6, 1, 0, \"SPIEL L\xC3\x84UFT\"]"), std::string::npos);
}

TEST_F(StateDumpTest, LightsAndSoundsOfTheLastTickAreListedInOrder) {
  g->lights.light_count = 2;
  g->lights.light_x[1] = 10;
  g->lights.light_y[1] = 20;
  g->lights.light_strength[1] = 0.3;
  g->lights.light_x[2] = 30;
  g->lights.light_y[2] = 40;
  g->lights.light_strength[2] = 2;
  g->sounds.started_sound_count = 2;
  g->sounds.started_sounds[0] = {kSoundMaser3, -1200, -3500};
  g->sounds.started_sounds[1] = {kSoundBallweg, 0, -1000};
  const std::string dump = StateDumpJson(*g);
  EXPECT_NE(dump.find("\"lights\": [[10, 20, 0.29999999999999999], [30, 40, 2]],"),
            std::string::npos);
  EXPECT_NE(dump.find("\"sounds\": [{\"name\": \"maser3.wav\", \"pan\": -1200, \"volume\": -3500}, "
                      "{\"name\": \"ballweg.wav\", \"pan\": 0, \"volume\": -1000}]"),
            std::string::npos);
}

}  // namespace
}  // namespace klumpix
