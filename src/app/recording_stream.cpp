#include "app/recording_stream.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/file_io.h"

namespace klumpix {

namespace {

// A FIFO's reader gets this long to take what a flush writes.
constexpr int kReaderWaitMs = 10000;

}  // namespace

RecordingStream::~RecordingStream() {
  if (fd_ >= 0) close(fd_);
}

bool RecordingStream::Open(const std::string& path, std::uint64_t seed, const StartValues& start,
                           const std::vector<WinnerEntry>& winners, std::string& error) {
  path_ = path;
  const std::string header = FormatInputScript(seed, start, {}, winners);
  fd_ = StartGrowingFile(path.c_str(), header.data(), header.size(), kReaderWaitMs);
  size_ = header.size();
  if (fd_ >= 0) return true;
  error = path + ": cannot write: " + std::strerror(errno);
  return false;
}

bool RecordingStream::Flush(const std::vector<InputEvent>& events) {
  if (fd_ < 0 || failed_) return !failed_;
  if (written_ == events.size()) return true;
  std::string lines;
  for (std::size_t i = written_; i < events.size(); ++i) lines += FormatEventLine(events[i]);
  if (!AppendToFile(fd_, lines.data(), lines.size(), kReaderWaitMs)) {
    // A line cut off by a full disk would spoil the script: the file goes
    // back to its last whole flush (a FIFO's reader has what it has).
    const int why = errno;
    if (ftruncate(fd_, static_cast<off_t>(size_)) != 0) errno = why;
    errno = why;
    failed_ = true;
    std::fprintf(stderr, "klumpix: %s: recording stopped: %s\n", path_.c_str(),
                 std::strerror(errno));
    return false;
  }
  written_ = events.size();
  size_ += lines.size();
  return true;
}

}  // namespace klumpix
