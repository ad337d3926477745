// The headless run as WebAssembly under Node.js: the desktop's `klumpix
// --headless` with the same options, files, messages and exit statuses, so
// that the page's build of the core can be checked against the native one.
#include <cstdio>
#include <string>
#include <vector>

#include "app/headless.h"
#include "app/options.h"

int main(int argc, char** argv) {
  // There is no window here: every run is headless. --headless goes first,
  // so it never becomes the value of an option the command line left open.
  std::vector<const char*> args(argv, argv + argc);
  args.insert(args.begin() + 1, "--headless");
  klumpix::Options options;
  std::string error;
  if (!klumpix::ParseOptions(static_cast<int>(args.size()), args.data(), options, error)) {
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
  return klumpix::RunHeadless(options);
}
