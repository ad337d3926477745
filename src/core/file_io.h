#pragma once
// Reading and writing the game's files so that whatever stands at a path (a
// link, a FIFO, a device, a folder, a file that never ends) cannot hang the
// game, a saved file is never left half written, and a link stays a link.
// No heap use except the std::string results, so saves and
// ReadRegularFileStart may run inside a tick.
#include <cstddef>
#include <cstdint>
#include <string>

namespace klumpix {

// Reads the regular file at `path` into `buffer`, up to `capacity` bytes, and
// returns how many it read: 0 for a missing file or anything but a regular
// file. Files are opened without blocking, and a link is followed: a file the
// player linked into place is read as the file it names. No heap use, so it may run inside a tick.
std::size_t ReadRegularFileStart(const char* path, unsigned char* buffer, std::size_t capacity);

// The whole of the regular file at `path`, at most `limit` bytes; false with
// a one-line reason ("PATH: not a regular file", ...) otherwise.
bool ReadRegularFile(const char* path, std::size_t limit, std::string& bytes, std::string& error);

// Writes `bytes` as the file at `path`, as what stands there calls for. A
// regular file or a new name is replaced: a fresh temporary file made in the
// same folder is written, synced and renamed over it, and the folder is
// synced (a folder that cannot be is only noted on stderr). A symbolic link
// is followed, up to 40 of them, and its target replaced so the link stays a
// link; a dangling one makes its target. A FIFO, a character device or a
// name of an open descriptor (/dev/stdout) is opened without blocking and
// written in place; a FIFO without a reader is waited for, and a full one
// given room, up to `wait_ms`. A folder, a socket or a block device is
// refused. On failure a replaced file stays as it was and errno says why.
bool WriteFileAtomically(const char* path, const void* bytes, std::size_t size, int wait_ms = 0);

// Starts a file that grows while the game runs (a recording), whose every
// state is whole up to its last append: what stands at `path` is taken as
// WriteFileAtomically takes it, a regular file or a new name replaced at once
// by a fresh file holding `bytes`, a FIFO or a device written in place. The
// descriptor to append to, or -1 with errno set.
int StartGrowingFile(const char* path, const void* bytes, std::size_t size, int wait_ms = 0);
// Appends `bytes` to such a file; false with errno set.
bool AppendToFile(int fd, const void* bytes, std::size_t size, int wait_ms = 0);

// Whether WriteFileAtomically would take `path`; false with a one-line
// reason ("PATH: cannot write into a folder") when it would refuse it.
bool CanWriteAt(const char* path, std::string& error);

// Opens `path` for appending, creating it; -1 (errno set) when it is not a
// regular file or is a link.
int OpenForAppend(const char* path);

}  // namespace klumpix
