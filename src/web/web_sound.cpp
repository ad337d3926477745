#include "web/web_sound.h"

#include <strings.h>

#include "shell/embedded_sounds.h"
#include "web/page_bridge.h"

namespace klumpix {

void WebSoundSink::Open() {
  for (int id = 0; id < kSoundCount; ++id) {
    for (const EmbeddedSound& s : kEmbeddedSounds) {
      if (strcasecmp(s.name, SoundName(static_cast<SoundId>(id))) == 0) {
        PageLoadSound(id, s.data, s.size);
      }
    }
  }
}

void WebSoundSink::Play(SoundId id) {
  const SoundGains gains = GainsOf(volume_[id], pan_[id]);
  PagePlaySound(id, gains.volume, gains.left, gains.right);
}

}  // namespace klumpix
