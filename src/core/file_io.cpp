#include "core/file_io.h"

#include <fcntl.h>
#include <limits.h>
#include <poll.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace klumpix {

namespace {

// Room for the longest path the system takes plus our temporary suffix.
constexpr std::size_t kPathCapacity = PATH_MAX + 16;

// Writes every byte. A descriptor opened without blocking (a FIFO) that
// takes nothing is given up to `wait_ms` to take more.
bool WriteAll(int fd, const unsigned char* data, std::size_t size, int wait_ms = 0) {
  while (size > 0) {
    const ssize_t written = write(fd, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written < 0 && errno == EAGAIN && wait_ms > 0) {
      pollfd ready{fd, POLLOUT, 0};
      if (poll(&ready, 1, wait_ms) > 0) continue;
      errno = EAGAIN;
      return false;
    }
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

// Syncing the folder after the rename only guards the new name against a
// crash; the save itself has succeeded, so a folder that cannot be synced
// (one the player may write but not read, a file system that cannot sync
// folders) is noted, never reported as a failed save.
void SyncFolder(const char* folder) {
  const int fd = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  const bool synced = fd >= 0 && (fsync(fd) == 0 || errno == EINVAL);
  const int why = errno;
  if (fd >= 0) close(fd);
  if (!synced) {
    std::fprintf(stderr, "klumpix: %s: saved, but the folder could not be synced: %s\n", folder,
                 std::strerror(why));
  }
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

// How a write reaches the file at a path.
enum class WritePlace {
  kReplace,  // a regular file or a new name: a fresh file renamed over it
  kInPlace,  // a FIFO or a device, or a name of an open descriptor: written into
  kRefused,  // a folder, a socket, a block device, a loop of links: errno says which
};

// Like the kernel, a chain of more links than this is taken for a loop.
constexpr int kMaxLinkHops = 40;

// Linux's PROC_SUPER_MAGIC, spelt out: the page's build has no linux/magic.h.
constexpr unsigned long kProcFileSystem = 0x9fa0;

// A link on /proc, such as /proc/self/fd/1 behind /dev/stdout, names an open
// descriptor: what it leads to is only reached by opening it.
bool IsProcLink(const char* link) {
  char folder[kPathCapacity];
  char pattern[kPathCapacity];
  struct statfs fs {};
  return TempPattern(link, folder, pattern) && statfs(folder, &fs) == 0 &&
         static_cast<unsigned long>(fs.f_type) == kProcFileSystem;
}

// Follows the links at `path` to the name a save must replace, left in
// `target`, so that a link stays a link and a dangling one makes its target.
WritePlace FindWritePlace(const char* path, char* target) {
  if (std::strlen(path) >= kPathCapacity) {
    errno = ENAMETOOLONG;
    return WritePlace::kRefused;
  }
  std::strcpy(target, path);
  for (int hop = 0;; ++hop) {
    struct stat st {};
    if (lstat(target, &st) != 0) {
      return errno == ENOENT ? WritePlace::kReplace : WritePlace::kRefused;
    }
    if (S_ISREG(st.st_mode)) return WritePlace::kReplace;
    if (S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode)) return WritePlace::kInPlace;
    if (S_ISDIR(st.st_mode)) errno = EISDIR;
    if (S_ISSOCK(st.st_mode)) errno = ENOTSOCK;
    if (S_ISBLK(st.st_mode)) errno = ENOTBLK;
    if (!S_ISLNK(st.st_mode)) return WritePlace::kRefused;
    if (IsProcLink(target)) return WritePlace::kInPlace;
    if (hop == kMaxLinkHops) {
      errno = ELOOP;
      return WritePlace::kRefused;
    }
    char link[kPathCapacity];
    const ssize_t n = readlink(target, link, sizeof link);
    if (n <= 0 || static_cast<std::size_t>(n) >= sizeof link) {
      if (n > 0) errno = ENAMETOOLONG;
      return WritePlace::kRefused;
    }
    link[n] = '\0';
    // A relative link names a file beside the link itself.
    char folder[kPathCapacity];
    char pattern[kPathCapacity];
    if (link[0] == '/' || !TempPattern(target, folder, pattern)) {
      std::memcpy(target, link, static_cast<std::size_t>(n) + 1);
    } else if (std::snprintf(target, kPathCapacity, "%s/%s", folder, link) >=
               static_cast<int>(kPathCapacity)) {
      errno = ENAMETOOLONG;
      return WritePlace::kRefused;
    }
  }
}

// Writes a new file at `path`: a fresh temporary file made in the same folder
// is written, synced and renamed over it. On failure what stood there stays.
// With `kept`, the new file stays open there for appending.
bool ReplaceFile(const char* path, const unsigned char* bytes, std::size_t size,
                 int* kept = nullptr) {
  char folder[kPathCapacity];
  char temp[kPathCapacity];
  if (!TempPattern(path, folder, temp)) return false;
  const int fd = CreateFreshFile(temp);
  if (fd < 0) return false;
  int why = 0;
  if (!WriteAll(fd, bytes, size) || fsync(fd) != 0) why = errno;
  if (why == 0 && std::rename(temp, path) != 0) why = errno;
  if (why == 0 && kept != nullptr) {
    *kept = fd;
  } else if (close(fd) != 0 && why == 0) {
    why = errno;
  }
  if (why != 0) {
    unlink(temp);
    errno = why;
    return false;
  }
  SyncFolder(folder);
  return true;
}

// Opens a FIFO or a device for writing without blocking: a FIFO nobody reads
// (ENXIO) is tried again for up to `wait_ms`.
int OpenInPlace(const char* path, int wait_ms) {
  constexpr int kRetryMs = 10;
  for (int waited = 0;; waited += kRetryMs) {
    const int fd = open(path, O_WRONLY | O_APPEND | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd >= 0 || errno != ENXIO || waited >= wait_ms) return fd;
    usleep(kRetryMs * 1000);
  }
}

// A FIFO or a device cannot be replaced without cutting off whoever reads
// it: it is opened and written. Opening never blocks: a FIFO nobody reads
// (ENXIO) is tried again for up to `wait_ms`.
bool WriteInPlace(const char* path, const unsigned char* bytes, std::size_t size, int wait_ms) {
  const int fd = OpenInPlace(path, wait_ms);
  if (fd < 0) return false;
  int why = WriteAll(fd, bytes, size, wait_ms) ? 0 : errno;
  if (close(fd) != 0 && why == 0 && errno != EINTR) why = errno;
  errno = why;
  return why == 0;
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

bool WriteFileAtomically(const char* path, const void* bytes, std::size_t size, int wait_ms) {
  char target[kPathCapacity];
  switch (FindWritePlace(path, target)) {
    case WritePlace::kReplace:
      return ReplaceFile(target, static_cast<const unsigned char*>(bytes), size);
    case WritePlace::kInPlace:
      return WriteInPlace(path, static_cast<const unsigned char*>(bytes), size, wait_ms);
    case WritePlace::kRefused:
      break;
  }
  return false;
}

int StartGrowingFile(const char* path, const void* bytes, std::size_t size, int wait_ms) {
  char target[kPathCapacity];
  const auto* data = static_cast<const unsigned char*>(bytes);
  int fd = -1;
  switch (FindWritePlace(path, target)) {
    case WritePlace::kReplace:
      return ReplaceFile(target, data, size, &fd) ? fd : -1;
    case WritePlace::kInPlace:
      fd = OpenInPlace(path, wait_ms);
      if (fd >= 0 && !WriteAll(fd, data, size, wait_ms)) {
        const int why = errno;
        close(fd);
        errno = why;
        return -1;
      }
      return fd;
    case WritePlace::kRefused:
      break;
  }
  return -1;
}

bool AppendToFile(int fd, const void* bytes, std::size_t size, int wait_ms) {
  return WriteAll(fd, static_cast<const unsigned char*>(bytes), size, wait_ms);
}

bool CanWriteAt(const char* path, std::string& error) {
  char target[kPathCapacity];
  if (FindWritePlace(path, target) != WritePlace::kRefused) return true;
  const char* kind = nullptr;
  if (errno == EISDIR) kind = "a folder";
  if (errno == ENOTSOCK) kind = "a socket";
  if (errno == ENOTBLK) kind = "a block device";
  error = std::string(path) + ": ";
  error += kind != nullptr ? std::string("cannot write into ") + kind : std::strerror(errno);
  return false;
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
