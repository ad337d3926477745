#pragma once

#include <cstddef>

#include "core/sound_names.h"

namespace klumpix {

// One sound compiled into the program: a complete WAV file in memory.
struct EmbeddedSound {
  const char* name;
  const unsigned char* data;
  std::size_t size;
};

extern const EmbeddedSound kEmbeddedSounds[kSoundCount];

}  // namespace klumpix
