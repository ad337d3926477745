// What stands at a path the game reads or writes may be anything: a FIFO, a
// device, a folder, a script with absurd stamps. No run may hang on it, crash,
// take it for a file, or put a file in the place of a FIFO or a device.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
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
  // `stdout_fd`, when given, stands in for the child's standard output.
  static int RunWithTimeout(std::vector<const char*> args, int stdout_fd = -1) {
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
      alarm(10);
      if (stdout_fd >= 0) dup2(stdout_fd, STDOUT_FILENO);
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

bool IsKind(const char* path, mode_t kind) {
  struct stat st {};
  return lstat(path, &st) == 0 && (st.st_mode & S_IFMT) == kind;
}

// Everything waiting in a pipe or FIFO opened without blocking.
std::string Drain(int fd) {
  std::string bytes;
  char buffer[4096];
  ssize_t n = 0;
  while ((n = read(fd, buffer, sizeof buffer)) > 0)
    bytes.append(buffer, static_cast<std::size_t>(n));
  return bytes;
}

TEST_F(HostileFiles, OutputsIntoAFifoOrADeviceAreWrittenInPlace) {
  LinkPictures();
  ASSERT_EQ(mkfifo("fifo", 0644), 0);
  // Our own /dev/null, so a save that replaced it would harm nothing.
  if (mknod("null", S_IFCHR | 0666, makedev(1, 3)) != 0) GTEST_SKIP() << "mknod not permitted";
  const int probe = open("null", O_WRONLY);
  if (probe < 0) GTEST_SKIP() << "the device may not be opened here";
  close(probe);
  const int reader = open("fifo", O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  int pipe_ends[2];
  ASSERT_EQ(pipe2(pipe_ends, O_NONBLOCK), 0);

  // /dev/fd/1 is /dev/stdout's own link on /proc, without the risk of a
  // broken save replacing a name in /dev.
  // The two small outputs fit in the pipes' buffers, read once the run is over.
  EXPECT_EQ(RunWithTimeout({"--ticks", "12", "--record", "fifo", "--trace", "/dev/fd/1", "--state",
                            "null", "--screenshot", "null"},
                           pipe_ends[1]),
            0);
  close(pipe_ends[1]);
  EXPECT_EQ(Drain(reader).rfind("seed ", 0), 0u);
  EXPECT_EQ(Drain(pipe_ends[0]).rfind("{\"tick\": 10", 0), 0u);
  close(reader);
  close(pipe_ends[0]);
  EXPECT_TRUE(IsKind("fifo", S_IFIFO));
  EXPECT_TRUE(IsKind("null", S_IFCHR));
}

TEST_F(HostileFiles, AnOutputThatCannotBeAFileStopsTheRunBeforeItStarts) {
  LinkPictures();
  std::filesystem::create_directory("folder");
  const int server = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::snprintf(address.sun_path, sizeof address.sun_path, "%s", "socket");
  ASSERT_EQ(bind(server, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  std::vector<std::string> places = {"folder", "socket"};
  if (mknod("disk", S_IFBLK | 0600, makedev(7, 0)) == 0) places.push_back("disk");
  for (const std::string& place : places) {
    for (const char* option : {"--state", "--record"}) {
      ::testing::internal::CaptureStderr();
      const int status = RunWithTimeout({"--ticks", "12", option, place.c_str(), "--trace", "t"});
      const std::string message = ::testing::internal::GetCapturedStderr();
      EXPECT_EQ(status, 2) << option << " " << place;
      EXPECT_EQ(message.rfind(place + ": cannot write into a ", 0), 0u) << message;
      EXPECT_FALSE(std::filesystem::exists("t")) << "the run went ahead";
    }
  }
  close(server);
}

}  // namespace
}  // namespace klumpix
