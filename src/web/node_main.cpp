// The headless run as WebAssembly under Node.js: the desktop's `klumpix
// --headless` with the same options, files, messages and exit statuses, so
// that the page's build of the core can be checked against the native one.
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/headless.h"
#include "app/options.h"

namespace {

bool IsFifo(const std::string& path) {
  struct stat st {};
  return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISFIFO(st.st_mode);
}

// Emscripten's file layer for Node.js opens a FIFO blocking, whatever the
// game asks, and writes at a position, which a FIFO refuses: such a run
// would hang or fail half-way, so it is turned away before it starts. An
// --input FIFO is refused as the desktop refuses it.
int RefuseFifos(const klumpix::Options& o) {
  if (IsFifo(o.input_path)) {
    std::fprintf(stderr, "%s: not a regular file\n", o.input_path.c_str());
    return 2;
  }
  for (const std::string* path :
       {&o.record_path, &o.state_path, &o.trace_path, &o.screenshot_path}) {
    if (!IsFifo(*path)) continue;
    std::fprintf(stderr, "klumpix: %s: a FIFO, which the Node.js build cannot write\n",
                 path->c_str());
    return 2;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // There is no window here: every run is headless. --headless goes first,
  // so it never becomes the value of an option the command line left open.
  std::vector<const char*> args(argv, argv + argc);
  args.insert(args.begin() + 1, "--headless");
  klumpix::Options options;
  if (const int status =
          klumpix::ReadCommandLine(static_cast<int>(args.size()), args.data(), options);
      status >= 0) {
    return status;
  }
  if (const int refused = RefuseFifos(options); refused != 0) return refused;
  return klumpix::RunHeadless(options);
}
