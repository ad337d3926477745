// The winners table and groar.dat: record layout, tolerant reading, safe saving.
#include "screens/winners.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/winners_file.h"
#include "shell/game.h"
#include "support/temp_dir.h"

namespace klumpix {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

class GroarDat : public ::testing::Test {
 protected:
  void SetUp() override { g_ = NewGame(); }

  std::unique_ptr<Game> NewGame() {
    auto g = std::make_unique<Game>();
    ResetGame(*g);
    return g;
  }
  void UsePath(const std::string& p) { file_ = WinnersFile(p); }
  std::string path() const { return dir_ + "/groar.dat"; }

  Bytes Load() const {
    std::ifstream in(path(), std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }
  void Store(const Bytes& bytes) const {
    std::ofstream out(path(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }
  void FillTable(Game& g) const {
    for (int t = 1; t <= kGameTypes; ++t) {
      for (int p = 1; p <= kPlaces; ++p) {
        const std::string name(static_cast<std::size_t>(p), static_cast<char>('A' + t));
        g.winner_name[t][p].Assign(name.c_str());
        g.winner_score[t][p] = 1000 * t - 100 * p;
      }
    }
  }

  testing::TempDir temp_;
  const std::string dir_ = temp_.str();
  std::unique_ptr<Game> g_;
  WinnersFile file_{path()};
};

// The folder's entries but the lock that saves take beside groar.dat.
long EntriesBeside(const std::string& dir) {
  long n = 0;
  for (const auto& entry : fs::directory_iterator(dir))
    n += entry.path().filename() != "groar.dat.lock";
  return n;
}

int ScoreAt(const Bytes& b, std::size_t at) {
  return static_cast<std::int32_t>(b[at + 12] | b[at + 13] << 8 | b[at + 14] << 16 |
                                   static_cast<std::uint32_t>(b[at + 15]) << 24);
}

TEST_F(GroarDat, WrittenRecordsSitAtTheirOffsetsAndReadBackTheSame) {
  FillTable(*g_);
  g_->winner_name[2][1].Assign("HAUSMEISTER");  // cut to eight on disk
  g_->winner_score[2][1] = -5;
  g_->winner_name[8][5].Assign("ZORA");
  g_->winner_score[8][5] = 0x12345678;
  ASSERT_TRUE(SaveWinners(*g_, file_));

  const Bytes b = Load();
  ASSERT_EQ(b.size(), 976u);
  EXPECT_EQ(b[128], 8);
  EXPECT_EQ(std::string(b.begin() + 129, b.begin() + 137), "HAUSMEIS");
  EXPECT_EQ(ScoreAt(b, 128), -5);
  EXPECT_EQ(b[960], 4);
  EXPECT_EQ(std::string(b.begin() + 961, b.begin() + 965), "ZORA");
  EXPECT_EQ(b[965], 0);
  EXPECT_EQ(b[972], 0x78);
  EXPECT_EQ(b[975], 0x12);
  // Records 5..7 of each block and the filler bytes stay zero.
  for (int t = 1; t < kGameTypes; ++t) {
    for (std::size_t i = 0; i < 48; ++i) EXPECT_EQ(b[(t - 1) * 128 + 80 + i], 0) << t;
  }
  EXPECT_EQ(b[9] | b[10] | b[11], 0);
  EXPECT_EQ(EntriesBeside(dir_), 1) << "a temporary file was left behind";

  // Scores read back as the seven-place column can show them: -5 as 0,
  // 0x12345678 as 9999999, the table around them intact.
  auto back = NewGame();
  ReadWinners(*back, file_);
  EXPECT_EQ(back->winner_score[2][1], 0);
  EXPECT_EQ(back->winner_score[8][5], 9999999);
  for (int t = 1; t <= kGameTypes; ++t) {
    for (int p = 1; p <= kPlaces; ++p) {
      EXPECT_EQ(back->winner_score[t][p], std::clamp(g_->winner_score[t][p], 0, 9999999));
      if (t != 2 || p != 1) {
        EXPECT_TRUE(back->winner_name[t][p] == g_->winner_name[t][p].c_str());
      }
    }
  }
  EXPECT_TRUE(back->winner_name[2][1] == "HAUSMEIS");
}

TEST_F(GroarDat, AMissingFileGivesTheStarterTable) {
  ReadWinners(*g_, file_);
  for (int t = 1; t <= kGameTypes; ++t) {
    for (int p = 1; p <= kPlaces; ++p) {
      const auto& name = g_->winner_name[t][p];
      EXPECT_TRUE(name.length >= 1 && name.length <= 7);
      for (std::size_t i = 0; i < name.length; ++i) {
        EXPECT_TRUE(name.bytes[i] >= 'A' && name.bytes[i] <= 'Z');
      }
      EXPECT_GT(g_->winner_score[t][p], 0);
      if (p > 1) {
        EXPECT_LT(g_->winner_score[t][p], g_->winner_score[t][p - 1]);
      }
    }
  }
}

TEST_F(GroarDat, AShortOrDamagedFileKeepsWhatCanBeRead) {
  FillTable(*g_);
  ASSERT_TRUE(SaveWinners(*g_, file_));
  Bytes b = Load();
  b[0] = 200;  // a length byte beyond eight yields the eight name bytes
  std::memcpy(&b[1], "ABCDEFGH", 8);
  b.resize(16 * 9 + 7);  // type 1 whole, type 2 place 1 whole, place 2 cut
  Store(b);

  auto starter = NewGame();
  SetStarterWinners(*starter);
  ReadWinners(*g_, file_);
  EXPECT_TRUE(g_->winner_name[1][1] == "ABCDEFGH");
  EXPECT_EQ(g_->winner_score[1][5], 500);
  EXPECT_EQ(g_->winner_score[2][1], 1900);
  EXPECT_EQ(g_->winner_score[2][2], starter->winner_score[2][2]);
  EXPECT_TRUE(g_->winner_name[8][5] == starter->winner_name[8][5].c_str());

  // Arbitrary bytes, even a directory in the file's place, never stop the game.
  Bytes noise(2000);
  for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<unsigned char>(i * 37 + 11);
  Store(noise);
  ReadWinners(*g_, file_);
  for (int t = 1; t <= kGameTypes; ++t) EXPECT_LE(g_->winner_name[t][1].length, 8u);
  fs::remove(path());
  fs::create_directory(path());
  ReadWinners(*g_, file_);
  EXPECT_TRUE(g_->winner_name[3][1] == starter->winner_name[3][1].c_str());
}

TEST_F(GroarDat, AFailedSaveKeepsTheOldFileAndTheTable) {
  FillTable(*g_);
  ASSERT_TRUE(SaveWinners(*g_, file_));
  const Bytes old_file = Load();

  g_->winner_score[4][1] = 99999;
  UsePath(dir_ + "/missing/groar.dat");
  EXPECT_FALSE(SaveWinners(*g_, file_));
  EXPECT_EQ(g_->winner_score[4][1], 99999);
  UsePath(path() + "/groar.dat");  // its folder is a regular file
  EXPECT_FALSE(SaveWinners(*g_, file_));
  EXPECT_EQ(Load(), old_file);

  // Once the obstacle is gone the same table saves.
  UsePath(path());
  EXPECT_TRUE(SaveWinners(*g_, file_));
  EXPECT_EQ(ScoreAt(Load(), 3 * 128), 99999);
}

// A hostile folder: links at the temporary name of old and at groar.dat
// itself. The save writes into neither linked file: the link at groar.dat
// stays and the file it names is replaced whole by the table; a link the
// player put at groar.dat is read through.
TEST_F(GroarDat, ASaveNeverWritesThroughALink) {
  const std::string precious = "the player's own file\n";
  std::ofstream(dir_ + "/victim") << precious;
  std::ofstream(dir_ + "/other") << precious;
  fs::create_symlink(dir_ + "/victim", path() + ".tmp");
  fs::create_symlink(dir_ + "/other", path());
  FillTable(*g_);

  ASSERT_TRUE(SaveWinners(*g_, file_));
  std::ifstream in(dir_ + "/victim");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), precious);
  EXPECT_TRUE(fs::is_symlink(path() + ".tmp"));
  EXPECT_TRUE(fs::is_symlink(path()));
  EXPECT_EQ(fs::file_size(dir_ + "/other"), 976u);
  EXPECT_EQ(EntriesBeside(dir_), 4);

  fs::rename(path(), dir_ + "/kept.dat");
  fs::create_symlink(dir_ + "/kept.dat", path());
  auto back = NewGame();
  ReadWinners(*back, file_);
  EXPECT_TRUE(back->winner_name[3][2] == g_->winner_name[3][2].c_str());
}

}  // namespace
}  // namespace klumpix
