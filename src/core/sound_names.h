#pragma once
// The six sounds, by the names the game asks for them; the generator makes
// them under these names.
namespace klumpix {

enum SoundId : int {
  kSoundBallweg = 0,
  kSoundErschein1,
  kSoundExplosion1,
  kSoundMaser3,
  kSoundPloing2,
  kSoundTusch,
  kSoundCount
};

// The name the game asks for ("maser3.wav"), in lower case.
const char* SoundName(SoundId id);

}  // namespace klumpix
