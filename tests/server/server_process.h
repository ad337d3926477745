#pragma once
// A real klumpix-server on 127.0.0.1 for a test: started on a free port,
// stopped with SIGTERM when the test is done.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

namespace klumpix::testing {

class ServerProcess {
 public:
  // False when it did not start and say where it listens within a while.
  bool Start(std::vector<std::string> args) {
    int out[2];
    if (pipe(out) != 0) return false;
    args.insert(args.begin(), KLUMPIX_TEST_SERVER);
    args.push_back("--listen");
    args.push_back("127.0.0.1:0");
    pid_ = fork();
    if (pid_ == 0) {
      dup2(out[1], 1);
      close(out[0]);
      std::vector<char*> argv;
      for (std::string& arg : args) argv.push_back(arg.data());
      argv.push_back(nullptr);
      execv(argv[0], argv.data());
      _exit(127);
    }
    close(out[1]);
    FILE* said = fdopen(out[0], "r");
    char line[256] = {};
    const bool spoke = said && std::fgets(line, sizeof line, said) != nullptr;
    if (said) std::fclose(said);
    return spoke && std::sscanf(line, "klumpix-server: listening on 127.0.0.1:%d", &port_) == 1;
  }

  // The exit status after SIGTERM: 0 when the server stopped cleanly.
  int Stop() {
    if (pid_ <= 0) return -1;
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = 0;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }

  ~ServerProcess() { Stop(); }

  int port() const { return port_; }

 private:
  pid_t pid_ = 0;
  int port_ = 0;
};

}  // namespace klumpix::testing
