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
  klumpix::Options options;
  if (const int status = klumpix::ReadCommandLine(argc, argv, options); status >= 0) {
    return status;
  }
  if (!options.submit_path.empty()) {
    // Sending a game to a world table plays nothing.
#if KLUMPIX_WITH_SUBMIT
    return klumpix::server::SubmitRecording(options.submit_path, options.server_url);
#else
    std::fprintf(stderr, "klumpix: this build cannot send games (built without cpp-httplib)\n");
    return 2;
#endif
  }
  if (options.headless) return klumpix::RunHeadless(options);
#if KLUMPIX_WITH_SUBMIT
  klumpix::server::WorldSender sender;
  return klumpix::RunInteractive(options, &sender);
#else
  return klumpix::RunInteractive(options, nullptr);
#endif
}
