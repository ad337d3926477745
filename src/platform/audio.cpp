#include "platform/audio.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <strings.h>

#include <cmath>
#include <cstdio>

#include "shell/embedded_sounds.h"

namespace klumpix {

namespace {

constexpr int kChannels = 32;  // enough for many copies of a sound at once

const EmbeddedSound* FindEmbedded(const char* name) {
  for (const EmbeddedSound& s : kEmbeddedSounds) {
    if (strcasecmp(s.name, name) == 0) return &s;
  }
  return nullptr;
}

}  // namespace

MixerSoundSink::~MixerSoundSink() {
  Close();
}

void MixerSoundSink::Close() {
  if (!open_) return;
  Mix_HaltChannel(-1);
  for (Mix_Chunk*& chunk : chunks_) {
    if (chunk != nullptr) Mix_FreeChunk(chunk);
    chunk = nullptr;
  }
  Mix_CloseAudio();
  open_ = false;
}

void MixerSoundSink::Open() {
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
    std::fprintf(stderr, "klumpix: no sound: %s\n", Mix_GetError());
    return;
  }
  open_ = true;
  Mix_AllocateChannels(kChannels);
  for (int id = 0; id < kSoundCount; ++id) {
    const char* name = SoundName(static_cast<SoundId>(id));
    const EmbeddedSound* sound = FindEmbedded(name);
    if (sound != nullptr) {
      chunks_[id] =
          Mix_LoadWAV_RW(SDL_RWFromConstMem(sound->data, static_cast<int>(sound->size)), 1);
    }
    if (chunks_[id] == nullptr) {
      std::fprintf(stderr, "klumpix: no sound: cannot load %s\n", name);
      Close();
      return;
    }
  }
}

void MixerSoundSink::SetPan(SoundId id, std::int32_t pan) {
  pan_[id] = pan;
}

void MixerSoundSink::SetVolume(SoundId id, std::int32_t volume) {
  volume_[id] = volume;
  if (!open_) return;
  const double gain = GainsOf(volume, 0).volume;
  Mix_VolumeChunk(chunks_[id], static_cast<int>(std::lround(MIX_MAX_VOLUME * gain)));
}

void MixerSoundSink::Play(SoundId id) {
  if (!open_) return;
  const int channel = Mix_PlayChannel(-1, chunks_[id], 0);
  if (channel < 0) return;  // every channel busy: this copy is dropped
  const SoundGains gains = GainsOf(volume_[id], pan_[id]);
  Mix_SetPanning(channel, static_cast<Uint8>(std::lround(255.0 * gains.left)),
                 static_cast<Uint8>(std::lround(255.0 * gains.right)));
}

}  // namespace klumpix
