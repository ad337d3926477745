#pragma once
// --record as the game goes: the file is made (or refused) before the first
// tick with the script's header lines, and the events are appended as they
// are flushed, so it is a whole script of the events up to its last flush
// however the run ends.
#include <cstdint>
#include <string>
#include <vector>

#include "app/input_script.h"

namespace klumpix {

class RecordingStream {
 public:
  RecordingStream() = default;
  RecordingStream(const RecordingStream&) = delete;
  RecordingStream& operator=(const RecordingStream&) = delete;
  ~RecordingStream();

  // Makes the file at `path` with the header; false with a one-line reason.
  bool Open(const std::string& path, std::uint64_t seed, const StartValues& start,
            const std::vector<WinnerEntry>& winners, std::string& error);
  // Appends the events of `events` not written yet. False (once said on
  // stderr) when the file takes no more.
  bool Flush(const std::vector<InputEvent>& events);
  bool IsOpen() const { return fd_ >= 0; }

 private:
  std::string path_;
  int fd_ = -1;
  std::size_t written_ = 0;  // events
  std::size_t size_ = 0;     // bytes
  bool failed_ = false;
};

}  // namespace klumpix
