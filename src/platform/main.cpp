// The game's entry: read the command line, then play in a window or headless.
#include <cstdio>
#include <string>

#include "app/headless.h"
#include "app/options.h"
#include "platform/main_loop.h"
#if KLUMPIX_WITH_SUBMIT
#include "server/world_submit.h"
#endif

int main(int argc, char** argv) {
#if KLUMPIX_WITH_SUBMIT
  // Sending a game to a world table plays nothing: it has a line of its own.
  if (argc >= 2 && std::string(argv[1]) == "--submit") {
    if (argc != 5 || std::string(argv[3]) != "--server") {
      std::fprintf(stderr, "usage: klumpix --submit FILE --server URL\n");
      return 2;
    }
    return klumpix::server::SubmitRecording(argv[2], argv[4]);
  }
#endif
  klumpix::Options options;
  std::string error;
  if (!klumpix::ParseOptions(argc, argv, options, error)) {
    std::fprintf(stderr, "klumpix: %s\n", error.c_str());
    return 2;
  }
  if (options.help) {
    std::fputs(klumpix::UsageText(), stdout);
    return 0;
  }
  if (options.version) {
    std::fputs(klumpix::VersionText(), stdout);
    return 0;
  }
  if (options.headless) return klumpix::RunHeadless(options);
  return klumpix::RunInteractive(options);
}
