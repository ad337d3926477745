#pragma once

#include <cstddef>

namespace klumpix {

// One sound compiled into the program: a complete WAV file in memory.
struct EmbeddedSound {
  const char* name;
  const unsigned char* data;
  std::size_t size;
};

extern const EmbeddedSound kEmbeddedSounds[6];

}  // namespace klumpix
