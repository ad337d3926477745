#pragma once
// The six sounds through the page's Web Audio, mapped as the desktop mixer maps them.
#include <cstdint>

#include "shell/sound.h"

namespace klumpix {

class WebSoundSink : public SoundSink {
 public:
  // Hands the compiled-in sounds to the page, which decodes them once the
  // player's first press allows audio.
  void Open();

  void SetPan(SoundId id, std::int32_t pan) override { pan_[id] = pan; }
  void SetVolume(SoundId id, std::int32_t volume) override { volume_[id] = volume; }
  void Play(SoundId id) override;

 private:
  std::int32_t pan_[kSoundCount] = {};
  std::int32_t volume_[kSoundCount] = {};
};

}  // namespace klumpix
