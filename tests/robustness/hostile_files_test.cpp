// What stands at a path the game reads may be anything: a FIFO, a folder, a
// script with absurd stamps. No run may hang on it, crash, or take it for a file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "support/headless_dir.h"

namespace klumpix {
namespace {

class HostileFiles : public HeadlessDir {
 protected:
  // The run in a child process that an alarm ends after ten seconds: its
  // exit status, or -1 when it hung or crashed.
  static int RunWithTimeout(std::vector<const char*> args) {
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
      alarm(10);
      _exit(Run(args));
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
};

TEST_F(HostileFiles, AFifoOrAFolderAtGroarDatReadsAsMissing) {
  LinkPictures();
  for (const char* kind : {"fifo", "folder"}) {
    if (std::string(kind) == "fifo") {
      ASSERT_EQ(mkfifo("groar.dat", 0644), 0);
    } else {
      std::filesystem::create_directory("groar.dat");
    }
    EXPECT_EQ(RunWithTimeout({"--ticks", "12", "--state", "s.json"}), 0) << kind;
    // The starter table stands in for the file.
    EXPECT_NE(ReadFile("s.json").find("\"KLUMPI\""), std::string::npos) << kind;
    std::filesystem::remove("groar.dat");
    std::filesystem::remove("s.json");
  }
}

TEST_F(HostileFiles, AnInputThatIsNoScriptStopsTheRunNamingIt) {
  LinkPictures();
  std::filesystem::create_directory("folder");
  ASSERT_EQ(mkfifo("fifo", 0644), 0);
  // One past the last tick a run reaches: the run would have to count beyond its numbers.
  WriteFile("far.txt", "seed 1\n2147483647 click\n");
  for (const char* input : {"folder", "fifo", "far.txt"}) {
    ::testing::internal::CaptureStderr();
    const int status = RunWithTimeout({"--input", input});
    const std::string message = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 2) << input;
    EXPECT_EQ(message.rfind(input, 0), 0u) << input << ": " << message;
  }
}

}  // namespace
}  // namespace klumpix
