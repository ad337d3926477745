#include "core/file_io.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace klumpix {

namespace {

// Room for the longest path the system takes plus our temporary suffix.
constexpr std::size_t kPathCapacity = PATH_MAX + 16;

bool WriteAll(int fd, const unsigned char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = write(fd, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = EIO;
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

// read() that carries on after a signal.
ssize_t ReadRetrying(int fd, void* buffer, std::size_t size) {
  ssize_t n = 0;
  do {
    n = read(fd, buffer, size);
  } while (n < 0 && errno == EINTR);
  return n;
}

// Splits `path` into its folder ("." when it has none) and "FOLDER/.NAME.XXXXXX",
// the pattern of its temporary file. False when either does not fit.
bool TempPattern(const char* path, char* folder, char* pattern) {
  const std::size_t length = std::strlen(path);
  const char* slash = std::strrchr(path, '/');
  const char* name = slash == nullptr ? path : slash + 1;
  // At most "./" before the path and "." plus ".XXXXXX" around its name.
  const bool fits = length + 11 < kPathCapacity;
  if (!fits || *name == '\0') {
    errno = fits ? EISDIR : ENAMETOOLONG;
    return false;
  }
  if (slash == nullptr) {
    std::strcpy(folder, ".");
  } else if (slash == path) {
    std::strcpy(folder, "/");
  } else {
    const auto n = static_cast<std::size_t>(slash - path);
    std::memcpy(folder, path, n);
    folder[n] = '\0';
  }
  std::snprintf(pattern, kPathCapacity, "%s/.%s.XXXXXX", folder, name);
  return true;
}

bool SyncFolder(const char* folder) {
  const int fd = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  // Some file systems cannot sync a folder at all; that is not a failed save.
  const bool synced = fsync(fd) == 0 || errno == EINVAL;
  close(fd);
  return synced;
}

// Makes a file of our own at `pattern`, whose last six characters are
// replaced by random ones until the name is free. O_EXCL refuses whatever
// already stands at a name, a link included, so the descriptor is always a
// file this call created; the mode is 0644 less the player's umask.
int CreateFreshFile(char* pattern) {
  static constexpr char kLetters[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  char* tail = pattern + std::strlen(pattern) - 6;
  for (int attempt = 0; attempt < 100; ++attempt) {
    unsigned char random[6];
    if (getentropy(random, sizeof random) != 0) {
      timespec now{};
      clock_gettime(CLOCK_MONOTONIC, &now);
      const auto mix = static_cast<unsigned long long>(now.tv_nsec) * 2654435761u + attempt;
      for (int i = 0; i < 6; ++i) random[i] = static_cast<unsigned char>(mix >> (7 * i));
    }
    for (int i = 0; i < 6; ++i) tail[i] = kLetters[random[i] % (sizeof kLetters - 1)];
    const int fd = open(pattern, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Opens `path` for reading without blocking and returns the descriptor, or -1
// (with errno set) unless it is a regular file.
int OpenRegularFile(const char* path) {
  const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    const int why = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    close(fd);
    errno = why;
    return -1;
  }
  return fd;
}

}  // namespace

std::size_t ReadRegularFileStart(const char* path, unsigned char* buffer, std::size_t capacity) {
  const int fd = OpenRegularFile(path);
  if (fd < 0) return 0;
  std::size_t size = 0;
  while (size < capacity) {
    const ssize_t n = ReadRetrying(fd, buffer + size, capacity - size);
    if (n <= 0) break;
    size += static_cast<std::size_t>(n);
  }
  close(fd);
  return size;
}

bool ReadRegularFile(const char* path, std::size_t limit, std::string& bytes, std::string& error) {
  bytes.clear();
  const int fd = OpenRegularFile(path);
  if (fd < 0) {
    error =
        std::string(path) + ": " + (errno == EINVAL ? "not a regular file" : std::strerror(errno));
    return false;
  }
  struct stat st {};
  bool ok = fstat(fd, &st) == 0;
  if (ok && static_cast<std::uint64_t>(st.st_size) > limit) {
    error = std::string(path) + ": too large (more than " + std::to_string(limit) + " bytes)";
    close(fd);
    return false;
  }
  // The size is only a hint: the file may grow or shrink while it is read.
  if (ok) bytes.reserve(static_cast<std::size_t>(st.st_size));
  char buffer[65536];
  while (ok) {
    const ssize_t n = ReadRetrying(fd, buffer, sizeof buffer);
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    if (bytes.size() + static_cast<std::size_t>(n) > limit) {
      error = std::string(path) + ": too large (more than " + std::to_string(limit) + " bytes)";
      close(fd);
      return false;
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  if (!ok) error = std::string(path) + ": " + std::strerror(errno);
  close(fd);
  return ok;
}

bool WriteFileAtomically(const char* path, const void* bytes, std::size_t size) {
  char folder[kPathCapacity];
  char temp[kPathCapacity];
  if (!TempPattern(path, folder, temp)) return false;
  const int fd = CreateFreshFile(temp);
  if (fd < 0) return false;
  int why = 0;
  if (!WriteAll(fd, static_cast<const unsigned char*>(bytes), size) || fsync(fd) != 0) {
    why = errno;
  }
  if (close(fd) != 0 && why == 0) why = errno;
  if (why == 0 && std::rename(temp, path) != 0) why = errno;
  if (why != 0) {
    unlink(temp);
    errno = why;
    return false;
  }
  // Once renamed the new file is in place; a folder that cannot be synced may
  // still lose it in a crash, so that counts as a failed save to report.
  return SyncFolder(folder);
}

int OpenForAppend(const char* path) {
  const int fd =
      open(path, O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
  if (fd < 0) return -1;
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    errno = EINVAL;
    return -1;
  }
  return fd;
}

}  // namespace klumpix
