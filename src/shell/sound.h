#pragma once
// Sound requests: routines ask for a sound during a tick; StartSounds starts
// each requested sound once at the end of the tick, with its pan and volume,
// and PlaySounds hands what the tick started to the platform.
#include <cstdint>

#include "core/sound_names.h"

namespace klumpix {

struct Game;

// Where the platform plays sounds. Volume and pan are in hundredths of a
// decibel: volume 0 full, -10000 silent; pan -10000 right silent .. 10000 left silent.
class SoundSink {
 public:
  virtual ~SoundSink() = default;
  virtual void SetPan(SoundId id, std::int32_t pan) = 0;
  virtual void SetVolume(SoundId id, std::int32_t volume) = 0;
  virtual void Play(SoundId id) = 0;
};

// How loud a copy of a sound plays, as linear amplitude factors 0..1: the
// volume's, and each side's after the pan has quietened one of them.
struct SoundGains {
  double volume, left, right;
};
SoundGains GainsOf(std::int32_t volume, std::int32_t pan);

std::int32_t SoundPan(const Game& g, std::int32_t x);

// Requests `id` for this tick, panned for screen position x.
void RequestSound(Game& g, SoundId id, std::int32_t x);

// The tick's sound starts, in start order, from its requests.
void StartSounds(Game& g);
// Tells the platform's mixer the pans and volumes, then plays the sounds the
// tick started.
void PlaySounds(const Game& g, SoundSink& sink);
void ClearSoundRequests(Game& g);

}  // namespace klumpix
