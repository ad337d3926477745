#pragma once
// Reading and writing the game's files so that whatever stands at a path (a
// link, a FIFO, a device, a folder, a file that never ends) cannot hang the
// game, and a save can neither be half done nor written through a link.
// No heap use except ReadRegularFile's result, so saves and
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

// Replaces the file at `path` with `bytes`: a fresh temporary file made in the
// same folder is written, synced and renamed over `path`, and the folder is
// synced. Whatever stood at `path` (a link too) is replaced, never written
// into; on failure it stays as it was and errno says why.
bool WriteFileAtomically(const char* path, const void* bytes, std::size_t size);

// Opens `path` for appending, creating it; -1 (errno set) when it is not a
// regular file or is a link.
int OpenForAppend(const char* path);

}  // namespace klumpix
