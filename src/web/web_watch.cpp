#include "web/web_watch.h"

#include "app/input_script.h"
#include "core/file_io.h"
#include "shell/frame.h"

namespace klumpix {

WebWatch::WebWatch() = default;
WebWatch::~WebWatch() = default;

bool WebWatch::OpenFile(const char* path, const std::string& name, std::string& error) {
  std::string text;
  InputScript script;
  if (!ReadRegularFile(path, kMaxRecordingBytes, text, error)) return false;
  if (!ParseInputScript(text, name, script, error)) return false;
  auto watched = std::make_unique<WatchedGame>();
  if (!watched->Open(script, error)) {
    error = name + ": " + error;
    return false;
  }
  Close();
  watched_ = std::move(watched);
  controls_ = std::make_unique<WatchControls>(*watched_);
  if (!frame_) frame_ = std::make_unique<Frame>();
  pace_ = TickPace{};
  return true;
}

void WebWatch::Close() {
  controls_.reset();  // first: it refers to the watched game
  watched_.reset();
}

void WebWatch::Key(WatchKey key) {
  if (Active()) controls_->Key(key);
}

bool WebWatch::Press(int x, int y) {
  if (!Active() || controls_->Press(x, y) != WatchAnswer::kClose) return false;
  Close();
  return true;
}

Frame* WebWatch::Pump(double now_ms, bool paused, SoundSink* sound, const PictureSet& pictures) {
  if (!Active()) return nullptr;
  if (pace_.Due(now_ms, paused || controls_->Paused())) controls_->Period(sound);
  if (!controls_->NeedsPicture()) return nullptr;
  controls_->Draw(pictures, *frame_);
  return frame_.get();
}

}  // namespace klumpix
