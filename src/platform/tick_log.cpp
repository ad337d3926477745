#include "platform/tick_log.h"

#include <unistd.h>

#include <chrono>
#include <cstdlib>

#include "app/start_up.h"
#include "core/file_io.h"

namespace klumpix {

namespace {

template <typename Clock>
long long MicrosecondsOf() {
  return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now().time_since_epoch())
      .count();
}

}  // namespace

TickLog::TickLog() {
  const char* path = std::getenv("KLUMPIX_TICK_LOG");
  if (path == nullptr || *path == '\0') return;
  // Appended to, so never through a link, and only to a regular file.
  const int fd = OpenForAppend(path);
  if (fd < 0) return;
  file_ = fdopen(fd, "a");
  if (file_ == nullptr) {
    close(fd);
    return;
  }
  // Line by line, so a killed game still leaves every tick it ran.
  std::setvbuf(file_, nullptr, _IOLBF, 0);
}

TickLog::~TickLog() {
  if (file_ != nullptr) std::fclose(file_);
}

void TickLog::Tick() {
  if (file_ == nullptr) return;
  std::fprintf(file_, "%lld\n", MicrosecondsOf<std::chrono::steady_clock>());
}

void TickLog::Presented(int ticks_run) {
  if (file_ == nullptr || pictured_ || ticks_run <= kStartUpTick) return;
  pictured_ = true;
  std::fprintf(file_, "first_picture %lld %lld\n", MicrosecondsOf<std::chrono::steady_clock>(),
               MicrosecondsOf<std::chrono::system_clock>());
}

void TickLog::Watched(int tick, int speed, bool paused) {
  if (file_ != nullptr) std::fprintf(file_, "watch %d %d %d\n", tick, speed, paused ? 1 : 0);
}

}  // namespace klumpix
