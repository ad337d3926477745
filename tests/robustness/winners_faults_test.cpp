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
#include "app/winners_file.h"
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

// The table a fresh start would read from `path`.
std::unique_ptr<Game> ReadBack(const std::filesystem::path& path) {
  auto g = std::make_unique<Game>();
  ResetGame(*g);
  WinnersFile file(path);
  ReadWinners(*g, file);
  return g;
}

class WinnersFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    a_ = TableA();
    b_ = TableB();
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
  WinnersFile file_{File()};
  bool mounted_ = false;
};

// KILL_TRIALS sets the number of killed saves (`make kill-saves` runs 1000).
int KillTrials() {
  const char* text = std::getenv("KILL_TRIALS");
  return text != nullptr && std::atoi(text) > 0 ? std::atoi(text) : 200;
}

TEST_F(WinnersFaults, KilledWhileSavingLeavesOneCompleteTable) {
  const int trials = KillTrials();
  ASSERT_TRUE(SaveWinners(*a_, file_));
  std::mt19937 dice(2024);
  int saw_b = 0;
  for (int trial = 0; trial < trials; ++trial) {
    // Two copies of the game save into the folder at once, each the two
    // tables by turns (merging what the other wrote) until they are killed.
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
      children[c] = fork();
      ASSERT_GE(children[c], 0);
      if (children[c] == 0) {
        WinnersFile own(File());
        for (;;) {
          SaveWinners(c == 0 ? *b_ : *a_, own);
          SaveWinners(c == 0 ? *a_ : *b_, own);
        }
      }
    }
    usleep(static_cast<useconds_t>(dice() % 5001));
    for (const pid_t child : children) {
      kill(child, SIGKILL);
      int status = 0;
      ASSERT_EQ(waitpid(child, &status, 0), child);
      ASSERT_TRUE(WIFSIGNALED(status)) << "trial " << trial;
    }

    ASSERT_EQ(std::filesystem::file_size(File()), kWinnersFileSize) << "trial " << trial;
    const auto read = ReadBack(File());
    const bool is_a = SameTable(*read, *a_);
    const bool is_b = SameTable(*read, *b_);
    ASSERT_TRUE(is_a || is_b) << "trial " << trial << ": a mixed or damaged table";
    saw_b += is_b ? 1 : 0;
    // A temporary file left by the killed save must not stop the next one.
    ASSERT_TRUE(SaveWinners(is_a ? *a_ : *b_, file_)) << "trial " << trial;
    for (const auto& entry : std::filesystem::directory_iterator(dir_)) {
      if (entry.path() != File() && entry.path().filename() != "groar.dat.lock") {
        std::filesystem::remove(entry.path());
      }
    }
  }
  std::cout << "[ faults   ] " << trials << " killed saves, table B found " << saw_b << " times\n";
}

// Two copies of the game in one folder, each ending a game with a new first
// place on board 3 after both have read the table: both entries stay, each
// where its score puts it, and the old first place moves down below them.
TEST_F(WinnersFaults, TwoCopiesInOneFolderKeepEachOthersEntries) {
  ASSERT_TRUE(SaveWinners(*a_, file_));
  int ready[2], go[2];
  ASSERT_EQ(pipe(ready), 0);
  ASSERT_EQ(pipe(go), 0);
  const char* names[2] = {"ERSTER", "ZWEITER"};
  const std::int32_t scores[2] = {900000, 800000};
  pid_t children[2];
  for (int c = 0; c < 2; ++c) {
    children[c] = fork();
    ASSERT_GE(children[c], 0);
    if (children[c] == 0) {
      WinnersFile mine(File());
      auto g = TableA();
      ReadWinners(*g, mine);
      char byte = 1;
      if (write(ready[1], &byte, 1) != 1 || read(go[0], &byte, 1) != 1) _exit(2);
      for (int p = kPlaces; p > 1; --p) {
        g->winner_name[3][p] = g->winner_name[3][p - 1];
        g->winner_score[3][p] = g->winner_score[3][p - 1];
      }
      g->winner_name[3][1].Assign(names[c]);
      g->winner_score[3][1] = scores[c];
      _exit(SaveWinners(*g, mine) ? 0 : 1);
    }
  }
  char byte = 0;
  for (int c = 0; c < 2; ++c) ASSERT_EQ(read(ready[0], &byte, 1), 1);
  const char both[2] = {1, 1};
  ASSERT_EQ(write(go[1], both, 2), 2);  // both save at once
  for (int c = 0; c < 2; ++c) {
    int status = 0;
    ASSERT_EQ(waitpid(children[c], &status, 0), children[c]);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << names[c];
  }
  for (int fd : {ready[0], ready[1], go[0], go[1]}) close(fd);

  const auto kept = ReadBack(File());
  EXPECT_TRUE(kept->winner_name[3][1] == "ERSTER");
  EXPECT_TRUE(kept->winner_name[3][2] == "ZWEITER");
  EXPECT_TRUE(kept->winner_name[3][3] == a_->winner_name[3][1].c_str());
  EXPECT_EQ(kept->winner_score[3][3], a_->winner_score[3][1]);
  EXPECT_EQ(kept->winner_score[3][5], a_->winner_score[3][3]);
  EXPECT_TRUE(SameTable(*ReadBack(File()), *kept));
  for (int t : {1, 2, 4, 5, 6, 7, 8}) {
    EXPECT_EQ(kept->winner_score[t][1], a_->winner_score[t][1]) << "board " << t;
  }
}

TEST_F(WinnersFaults, FullDiskKeepsTheOldFileAndTheTableInMemory) {
  std::string why;
  if (!MountTinyDisk(why)) GTEST_SKIP() << "cannot mount a small tmpfs here (" << why << ")";
  ASSERT_TRUE(SaveWinners(*a_, file_));
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

  EXPECT_FALSE(SaveWinners(*b_, file_));
  EXPECT_EQ(std::filesystem::file_size(File()), kWinnersFileSize);
  EXPECT_TRUE(SameTable(*ReadBack(File()), *a_));
  EXPECT_TRUE(SameTable(*b_, *TableB())) << "the table in memory changed";

  // Room again: the same table saves.
  std::filesystem::remove(dir_ / "filler");
  EXPECT_TRUE(SaveWinners(*b_, file_));
  EXPECT_TRUE(SameTable(*ReadBack(File()), *b_));
}

TEST_F(WinnersFaults, ReadOnlyFolderKeepsTheOldFileAndTheTableInMemory) {
  // Root writes through any file mode, so the folder is made read-only by mounting.
  std::string why;
  if (!MountTinyDisk(why)) GTEST_SKIP() << "cannot mount a small tmpfs here (" << why << ")";
  ASSERT_TRUE(SaveWinners(*a_, file_));
  if (mount(nullptr, dir_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
    GTEST_SKIP() << "cannot remount read-only here (" << std::strerror(errno) << ")";
  }

  EXPECT_FALSE(SaveWinners(*b_, file_));
  EXPECT_EQ(std::filesystem::file_size(File()), kWinnersFileSize);
  EXPECT_TRUE(SameTable(*ReadBack(File()), *a_));
  EXPECT_TRUE(SameTable(*b_, *TableB())) << "the table in memory changed";
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 2)
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
  WinnersFile dropped(folder / "groar.dat");
  std::fflush(nullptr);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(77);
    _exit(SaveWinners(*b_, dropped) && SaveWinners(*b_, dropped) ? 0 : 1);
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
  ASSERT_TRUE(SaveWinners(*a_, file_));  // the link's target is made
  ASSERT_TRUE(SaveWinners(*b_, file_));  // and then replaced
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
    int entries = 0;  // the lock saves take beside groar.dat aside
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      entries += entry.path().filename() != "groar.dat.lock";
    }
    EXPECT_EQ(entries, 3) << "a temporary file was left behind in " << folder;
  }

  std::filesystem::remove(dir_ / "kept" / "real.dat");
  std::filesystem::create_symlink("../groar.dat", dir_ / "kept" / "real.dat");
  EXPECT_FALSE(SaveWinners(*a_, file_));
  EXPECT_EQ(errno, ELOOP);
  EXPECT_TRUE(std::filesystem::is_symlink(File()));
}

}  // namespace
}  // namespace klumpix
