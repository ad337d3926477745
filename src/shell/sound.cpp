#include "shell/sound.h"

#include <algorithm>
#include <cmath>

#include "shell/game.h"

namespace klumpix {

namespace {

struct SoundInfo {
  std::int32_t volume_base;
  bool panned;
};

constexpr SoundInfo kSounds[kSoundCount] = {
    {-4500, false}, {-4500, true}, {-5500, true}, {-7000, true}, {-5000, false}, {-5000, true},
};

// The orders in which the mixer is told about the sounds each tick.
constexpr SoundId kPanOrder[] = {kSoundMaser3, kSoundExplosion1, kSoundTusch, kSoundErschein1};
constexpr SoundId kVolumeOrder[] = {kSoundMaser3,  kSoundExplosion1, kSoundPloing2,
                                    kSoundBallweg, kSoundErschein1,  kSoundTusch};
constexpr SoundId kStartOrder[] = {kSoundMaser3,    kSoundExplosion1, kSoundTusch,
                                   kSoundErschein1, kSoundBallweg,    kSoundPloing2};

std::int32_t ClampVolume(std::int32_t v) {
  return std::clamp(v, -10000, 0);
}

// sound_volume / 10, rounded: 0..5000 added to each sound's base.
std::int32_t VolumeOffset(const Game& g) {
  return (g.settings.sound_volume * 5000 + 25000) / 50000;
}

// A level in hundredths of a decibel (0 full, below 0 quieter) as a linear
// gain of the sound's amplitude: -2000 is a tenth.
double GainOfLevel(std::int32_t level) {
  return std::pow(10.0, static_cast<double>(level) / 2000.0);
}

}  // namespace

SoundGains GainsOf(std::int32_t volume, std::int32_t pan) {
  // Positive pan quietens the left side, negative the right.
  const std::int32_t p = std::clamp(pan, -10000, 10000);
  const double quiet = GainOfLevel(-std::abs(p));
  return {GainOfLevel(std::clamp(volume, -10000, 0)), p > 0 ? quiet : 1.0, p < 0 ? quiet : 1.0};
}

std::int32_t SoundPan(const Game& g, std::int32_t x) {
  if (g.view_width == 0) return 0;
  return (x * 4000) / g.view_width - 2000;
}

void RequestSound(Game& g, SoundId id, std::int32_t x) {
  g.sounds.sound_request[id] = true;
  g.sounds.sound_pan[id] = SoundPan(g, x);
}

void StartSounds(Game& g) {
  g.sounds.started_sound_count = 0;
  const std::int32_t offset = VolumeOffset(g);
  for (SoundId id : kStartOrder) {
    const SoundInfo& info = kSounds[id];
    if (!g.sounds.sound_request[id]) continue;
    StartedSound& s = g.sounds.started_sounds[g.sounds.started_sound_count++];
    s.sound = id;
    s.pan = info.panned ? g.sounds.sound_pan[id] : 0;
    s.volume = ClampVolume(offset + info.volume_base);
  }
}

void PlaySounds(const Game& g, SoundSink& sink) {
  for (SoundId id : kPanOrder) sink.SetPan(id, g.sounds.sound_pan[id]);
  const std::int32_t offset = VolumeOffset(g);
  for (SoundId id : kVolumeOrder) sink.SetVolume(id, offset + kSounds[id].volume_base);
  for (int i = 0; i < g.sounds.started_sound_count; ++i) {
    sink.Play(static_cast<SoundId>(g.sounds.started_sounds[i].sound));
  }
}

void ClearSoundRequests(Game& g) {
  for (bool& r : g.sounds.sound_request) r = false;
}

}  // namespace klumpix
