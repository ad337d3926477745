#include "app/driver.h"

#include "shell/game.h"
#include "tick/tick.h"

namespace klumpix {

Driver::Driver(Game& g, Frame& frame, const PictureSet& pictures, WinnersStorage& winners,
               RunPlatform& platform)
    : g_(g), frame_(frame), pictures_(pictures), winners_(winners), platform_(platform) {}

void Driver::FeedScript(const std::vector<InputEvent>& events, std::vector<InputEvent>* recording) {
  feed_.emplace(events);
  recording_ = recording;
}

void Driver::StopAt(std::int32_t tick_count) {
  stop_tick_ = tick_count;
  if (g_.tick_count >= stop_tick_) status_ = 0;
}

void Driver::RunTick() {
  if (Ended()) return;
  platform_.BeforeTick();
  if (feed_) feed_->DeliverDue(g_, recording_);
  const std::int32_t tick = g_.tick_count;
  DXTimer1Timer(g_, winners_);
  const bool last = g_.quit_requested || (stop_tick_ >= 0 && g_.tick_count >= stop_tick_);
  if (platform_.WantsPicture(last)) {
    DrawTick(g_, pictures_, frame_);
    platform_.Present(frame_);
  }
  if (SoundSink* sound = platform_.Sound()) PlayTickSounds(g_, *sound);
  const int status = platform_.AfterTick(g_, tick);
  if (status >= 0) {
    status_ = status;
  } else if (last) {
    status_ = 0;
  }
}

double Driver::Pump(double now_ms, bool paused) {
  if (pace_.Due(now_ms, paused || !g_.timer_enabled)) RunTick();
  return pace_.NextDue();
}

}  // namespace klumpix
