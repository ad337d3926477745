// groar.dat under faults: a process killed in the middle of a save, a full
// disk and a read-only folder must each leave the last complete table; a
// save that did land is never reported as failed, and a link stays a link.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/settings.h"
#include "screens/winners.h"
#include "shell/game.h"
#include "support/temp_dir.h"

namespace klumpix {
namespace {

constexpr std::uintmax_t kWinnersFileSize = 976;

// Two full tables that differ in every entry.
std::unique_ptr<Game> TableA() {
  auto g = std::make_unique<Game>();
  ResetGame(*g);
  SetStarterWinners(*g);
  return g;
}

std::unique_ptr<Game> TableB() {
  auto g = std::make_unique<Game>();
  ResetGame(*g);
  for (int t = 1; t <= kGameTypes; ++t) {
    for (int p = 1; p <= kPlaces; ++p) {
      g->winner_name[t][p].Assign("QUASIMODO", static_cast<std::size_t>(p + 3));
      g->winner_score[t][p] = 100000 * t - 1000 * p + 7;
    }
  }
  return g;
}

bool SameTable(const Game& a, const Game& b) {
  for (int t = 1; t <= kGameTypes; ++t) {
    for (int p = 1; p <= kPlaces; ++p) {
      if (!(a.winner_name[t][p] == b.winner_name[t][p].c_str())) return false;
      if (a.winner_score[t][p] != b.winner_score[t][p]) return false;
    }
  }
  return true;
}

void PointAt(Game& g, const std::filesystem::path& path) {
  std::snprintf(g.files.winners_path, sizeof g.files.winners_path, "%s", path.c_str());
}

// The table a fresh start would read from `path`.
std::unique_ptr<Game> ReadBack(const std::filesystem::path& path) {
  auto g = std::make_unique<Game>();
  ResetGame(*g);
  PointAt(*g, path);
  ReadWinners(*g);
  return g;
}

class WinnersFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    a_ = TableA();
    b_ = TableB();
    PointAt(*a_, File());
    PointAt(*b_, File());
  }
  void TearDown() override {
    if (mounted_) umount2(dir_.c_str(), MNT_DETACH);
  }

  std::filesystem::path File() const { return dir_ / "groar.dat"; }

  // A tiny file system of its own on the folder; false where mounting is not allowed.
  bool MountTinyDisk(std::string& why) {
    if (mount("tmpfs", dir_.c_str(), "tmpfs", 0, "size=64k") != 0) {
      why = std::strerror(errno);
      return false;
    }
    mounted_ = true;
    return true;
  }

  testing::TempDir temp_;
  const std::filesystem::path dir_ = temp_.path();
  std::unique_ptr<Game> a_, b_;
  bool mounted_ = false;
};

// KILL_TRIALS sets the number of killed saves (`make kill-saves` runs 1000).
int KillTrials() {
  const char* text = std::getenv("KILL_TRIALS");
  return text != nullptr && std::atoi(text) > 0 ? std::atoi(text) : 200;
}

TEST_F(WinnersFaults, KilledWhileSavingLeavesOneCompleteTable) {
  const int trials = KillTrials();
  ASSERT_TRUE(WriteWinners(*a_));
  std::mt19937 dice(2024);
  int saw_b = 0;
  for (int trial = 0; trial < trials; ++trial) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      // Saves the two tables by turns until it is killed.
      for (;;) {
        WriteWinners(*b_);
        WriteWinners(*a_);
      }
    }
    usleep(static_cast<useconds_t>(dice() % 5001));
    kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "trial " << trial;

    ASSERT_EQ(std::filesystem::file_size(File()), kWinnersFileSize) << "trial " << trial;
    const auto read = ReadBack(File());
    const bool is_a = SameTable(*read, *a_);
    const bool is_b = SameTable(*read, *b_);
    ASSERT_TRUE(is_a || is_b) << "trial " << trial << ": a mixed or damaged table";
    saw_b += is_b ? 1 : 0;
    // A temporary file left by the killed save must not stop the next one.
    ASSERT_TRUE(WriteWinners(is_a ? *a_ : *b_)) << "trial " << trial;
    for (const auto& entry : std::filesystem::directory_iterator(dir_)) {
      if (entry.path() != File()) std::filesystem::remove(entry.path());
    }
  }
  std::cout << "[ faults   ] " << trials << " killed saves, table B found " << saw_b << " times\n";
}

TEST_F(WinnersFaults, FullDiskKeepsTheOldFileAndTheTableInMemory) {
  std::string why;
  if (!MountTinyDisk(why)) GTEST_SKIP() << "cannot mount a small tmpfs here (" << why << ")";
  ASSERT_TRUE(WriteWinners(*a_));
  {
    // Fill every last block.
    std::FILE* filler = std::fopen((dir_ / "filler").c_str(), "wb");
    ASSERT_NE(filler, nullptr);
    std::setvbuf(filler, nullptr, _IONBF, 0);
    const std::vector<char> block(512, 'x');
    while (std::fwrite(block.data(), 1, block.size(), filler) == block.size()) {
    }
    std::fwrite(block.data(), 1, 1, filler);
    std::fclose(filler);
  }

  EXPECT_FALSE(WriteWinners(*b_));
  EXPECT_EQ(std::filesystem::file_size(File()), kWinnersFileSize);
  EXPECT_TRUE(SameTable(*ReadBack(File()), *a_));
  EXPECT_TRUE(SameTable(*b_, *TableB())) << "the table in memory changed";

  // Room again: the same table saves.
  std::filesystem::remove(dir_ / "filler");
  EXPECT_TRUE(WriteWinners(*b_));
  EXPECT_TRUE(SameTable(*ReadBack(File()), *b_));
}

TEST_F(WinnersFaults, ReadOnlyFolderKeepsTheOldFileAndTheTableInMemory) {
  // Root writes through any file mode, so the folder is made read-only by mounting.
  std::string why;
  if (!MountTinyDisk(why)) GTEST_SKIP() << "cannot mount a small tmpfs here (" << why << ")";
  ASSERT_TRUE(WriteWinners(*a_));
  if (mount(nullptr, dir_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
    GTEST_SKIP() << "cannot remount read-only here (" << std::strerror(errno) << ")";
  }

  EXPECT_FALSE(WriteWinners(*b_));
  EXPECT_EQ(std::filesystem::file_size(File()), kWinnersFileSize);
  EXPECT_TRUE(SameTable(*ReadBack(File()), *a_));
  EXPECT_TRUE(SameTable(*b_, *TableB())) << "the table in memory changed";
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1)
      << "a temporary file was left behind";
}

TEST_F(WinnersFaults, ASaveIntoAFolderThatCannotBeReadSucceeds) {
  // Root reads any folder, so the save runs as nobody in a folder nobody may
  // write into and pass through but not read: it cannot be synced.
  if (geteuid() != 0) GTEST_SKIP() << "needs root to become nobody";
  constexpr uid_t kNobody = 65534;
  const std::filesystem::path folder = dir_ / "drop";
  std::filesystem::create_directory(folder);
  ASSERT_EQ(chmod(dir_.c_str(), 0711), 0);
  ASSERT_EQ(chown(folder.c_str(), kNobody, kNobody), 0);
  ASSERT_EQ(chmod(folder.c_str(), 0300), 0);
  PointAt(*b_, folder / "groar.dat");
  std::fflush(nullptr);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(77);
    _exit(WriteWinners(*b_) && WriteWinners(*b_) ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "cannot become nobody here";
  EXPECT_EQ(WEXITSTATUS(status), 0) << "a save that landed was reported as failed";
  EXPECT_TRUE(SameTable(*ReadBack(folder / "groar.dat"), *b_));
}

TEST_F(WinnersFaults, ALinkedTableOrSettingsFileStaysALink) {
  // A player who keeps these files elsewhere: relative links, one through a
  // second, one whose target does not exist yet, and one that loops.
  std::filesystem::create_directory(dir_ / "kept");
  std::filesystem::create_symlink("kept/table", File());
  std::filesystem::create_symlink("real.dat", dir_ / "kept" / "table");
  std::filesystem::create_symlink("kept/settings.txt", dir_ / "settings");
  ASSERT_TRUE(WriteWinners(*a_));  // the link's target is made
  ASSERT_TRUE(WriteWinners(*b_));  // and then replaced
  std::string error;
  Settings settings;
  settings.start.game_type = 3;
  ASSERT_TRUE(SaveSettings((dir_ / "settings").string(), settings, error)) << error;

  EXPECT_TRUE(std::filesystem::is_symlink(File()));
  EXPECT_TRUE(std::filesystem::is_symlink(dir_ / "kept" / "table"));
  EXPECT_TRUE(SameTable(*ReadBack(dir_ / "kept" / "real.dat"), *b_));
  EXPECT_TRUE(std::filesystem::is_symlink(dir_ / "settings"));
  EXPECT_EQ(LoadSettings((dir_ / "kept" / "settings.txt").string()).start.game_type, 3);
  for (const auto& folder : {dir_, dir_ / "kept"}) {
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 3)
        << "a temporary file was left behind in " << folder;
  }

  std::filesystem::remove(dir_ / "kept" / "real.dat");
  std::filesystem::create_symlink("../groar.dat", dir_ / "kept" / "real.dat");
  EXPECT_FALSE(WriteWinners(*a_));
  EXPECT_EQ(errno, ELOOP);
  EXPECT_TRUE(std::filesystem::is_symlink(File()));
}

}  // namespace
}  // namespace klumpix
