#include "app/winners_file.h"

#include "core/file_io.h"

namespace klumpix {

std::size_t WinnersFile::Load(unsigned char* bytes, std::size_t capacity) {
  return ReadRegularFileStart(path_.c_str(), bytes, capacity);
}

bool WinnersFile::Save(const unsigned char* bytes, std::size_t size) {
  return WriteFileAtomically(path_.c_str(), bytes, size);
}

}  // namespace klumpix
