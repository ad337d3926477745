#pragma once
// The sound device: plays the six embedded sounds for the game's tick.
// Opened and owned by main_loop; the tick reaches it as a SoundSink.
#include <cstdint>

#include "shell/sound.h"

struct Mix_Chunk;

namespace klumpix {

class MixerSoundSink : public SoundSink {
 public:
  MixerSoundSink() = default;
  MixerSoundSink(const MixerSoundSink&) = delete;
  MixerSoundSink& operator=(const MixerSoundSink&) = delete;
  ~MixerSoundSink() override;

  // Opens the device and loads the sounds. On failure prints one warning and
  // stays silent: the game plays on without sound.
  void Open();

  void SetPan(SoundId id, std::int32_t pan) override;
  void SetVolume(SoundId id, std::int32_t volume) override;
  void Play(SoundId id) override;

 private:
  void Close();

  bool open_ = false;
  Mix_Chunk* chunks_[kSoundCount] = {};
  std::int32_t pan_[kSoundCount] = {};
  std::int32_t volume_[kSoundCount] = {};
};

}  // namespace klumpix
