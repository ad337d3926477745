#include "app/winners_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstring>

#include "core/file_io.h"

namespace klumpix {

namespace {

constexpr int kLockWaitMs = 1000;  // a copy holding the lock longer is not waited for
constexpr int kLockPollMs = 10;

// Takes the lock at `path`, waiting at most a second; the descriptor, or -1
// when there is none to take (a read-only folder) or it stays held: the save
// then goes on without it.
int TakeLock(const char* path) {
  const int fd = open(path, O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
  if (fd < 0) return -1;
  for (int waited = 0; flock(fd, LOCK_EX | LOCK_NB) != 0; waited += kLockPollMs) {
    if (waited >= kLockWaitMs) {
      close(fd);
      return -1;
    }
    usleep(kLockPollMs * 1000);
  }
  return fd;
}

}  // namespace

std::size_t WinnersFile::Load(unsigned char* bytes, std::size_t capacity) {
  seen_size_ = ReadRegularFileStart(path_.c_str(), seen_, sizeof seen_);
  const std::size_t n = seen_size_ < capacity ? seen_size_ : capacity;
  std::memcpy(bytes, seen_, n);
  return n;
}

SaveOutcome WinnersFile::Save(unsigned char* table, std::size_t size) {
  const int lock = TakeLock(lock_path_.c_str());
  unsigned char now[kWinnersFileSize];
  const std::size_t now_size = ReadRegularFileStart(path_.c_str(), now, sizeof now);
  const bool changed = now_size != seen_size_ || std::memcmp(now, seen_, now_size) != 0;
  // Only a whole table is another copy's work; a damaged file is simply replaced.
  if (changed && size == kWinnersFileSize && now_size == kWinnersFileSize)
    MergeAddedWinners(table, seen_, seen_size_, now, now_size);
  const bool kept = WriteFileAtomically(path_.c_str(), table, size);
  if (kept && size <= sizeof seen_) {
    std::memcpy(seen_, table, size);
    seen_size_ = size;
  }
  if (lock >= 0) close(lock);
  if (!kept) return SaveOutcome::kFailed;
  return changed ? SaveOutcome::kMerged : SaveOutcome::kKept;
}

}  // namespace klumpix
