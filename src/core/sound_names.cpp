#include "core/sound_names.h"

namespace klumpix {

namespace {

constexpr const char* kSoundNames[kSoundCount] = {
    "ballweg.wav", "erschein1.wav", "explosion1.wav", "maser3.wav", "ploing2.wav", "tusch.wav",
};

}  // namespace

const char* SoundName(SoundId id) {
  return kSoundNames[id];
}

}  // namespace klumpix
