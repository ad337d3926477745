#include "app/watch_controls.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/hit_box.h"
#include "core/surface.h"
#include "shell/frame.h"
#include "text/text_layer.h"
#include "text/words.h"
#include "tick/tick.h"

namespace klumpix {

namespace {

constexpr int kSpeeds[] = {1, 2, 4, 8, 16};
constexpr int kSpeedCount = sizeof kSpeeds / sizeof kSpeeds[0];

// The strip along the bottom of the picture.
constexpr int kStripTop = 572;
constexpr HitBox kPauseButton{4, kStripTop, 36, kScreenHeight, 20, 586};
constexpr int kBarLeft = 80;
constexpr int kBarRight = 600;
constexpr int kBarTop = 583;
constexpr int kBarBottom = 590;
constexpr HitBox kBarBox{kBarLeft - 4, kStripTop, kBarRight + 4, kScreenHeight, 340, 586};
constexpr int kTimeLeft = 610;

// The choice at the end.
constexpr HitBox kAgainButton = BoxAround(300, 300, 90, 16);
constexpr HitBox kCloseButton = BoxAround(500, 300, 90, 16);
constexpr Words kWatchAgain{"NOCHMAL ANSEHEN", "WATCH AGAIN"};
constexpr Words kClose{"SCHLIESSEN", "CLOSE"};

constexpr std::uint16_t kInk = Rgb565(230, 230, 210);
constexpr std::uint16_t kTrack = Rgb565(70, 70, 70);
constexpr std::uint16_t kPlayed = Rgb565(110, 200, 90);
constexpr std::uint16_t kButtonFace = Rgb565(20, 36, 20);

// Half as bright, so the controls stand out and the game still shows.
void Darken(Surface& screen, int top, int bottom) {
  for (int i = top * kScreenWidth; i < bottom * kScreenWidth; ++i) {
    screen.pixels[i] = static_cast<std::uint16_t>((screen.pixels[i] >> 1) & 0x7BEF);
  }
}

// "M:SS", or "H:MM:SS" from an hour on.
std::string PlayTime(std::int32_t ticks) {
  const long long seconds = static_cast<long long>(ticks) * 33 / 1000;
  char text[32];
  if (seconds >= 3600) {
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
  } else {
    std::snprintf(text, sizeof text, "%lld:%02lld", seconds / 60, seconds % 60);
  }
  return text;
}

void DrawCentred(Surface& screen, const PictureSet& pictures, const HitBox& box, const char* text) {
  const int width = static_cast<int>(std::char_traits<char>::length(text)) * 8;
  DrawTextNow(screen, pictures, box.centre_x - width / 2 - 8, box.centre_y - 3, kFontPlain, text);
}

void DrawButton(Surface& screen, const PictureSet& pictures, const HitBox& box, const char* text) {
  FillRect(screen, {box.left, box.top, box.right, box.bottom}, kInk);
  FillRect(screen, {box.left + 1, box.top + 1, box.right - 1, box.bottom - 1}, kButtonFace);
  DrawCentred(screen, pictures, box, text);
}

void DrawPauseOrPlay(Surface& screen, bool paused) {
  if (!paused) {
    FillRect(screen, {12, 579, 17, 594}, kInk);
    FillRect(screen, {22, 579, 27, 594}, kInk);
    return;
  }
  for (int y = 579; y < 594; ++y) {  // a triangle pointing right
    const int half = 7 - std::abs(y - 586);
    FillRect(screen, {13, y, 14 + 2 * half, y + 1}, kInk);
  }
}

}  // namespace

int WatchControls::Speed() const {
  return kSpeeds[speed_index_];
}

void WatchControls::SeekTo(std::int32_t tick) {
  watched_.SeekTo(tick);
  changed_ = true;
}

void WatchControls::Key(WatchKey key) {
  changed_ = true;
  switch (key) {
    case WatchKey::kPauseResume:
      if (watched_.AtEnd()) {
        SeekTo(watched_.FirstTick());
        paused_ = false;
      } else {
        paused_ = !paused_;
      }
      break;
    case WatchKey::kStepOn:
      if (paused_) watched_.Step();
      break;
    case WatchKey::kFaster:
      speed_index_ = std::min(speed_index_ + 1, kSpeedCount - 1);
      break;
    case WatchKey::kSlower:
      speed_index_ = std::max(speed_index_ - 1, 0);
      break;
    case WatchKey::kHome:
      SeekTo(watched_.FirstTick());
      break;
    case WatchKey::kEnd:
      SeekTo(watched_.EndTick());
      break;
  }
}

WatchAnswer WatchControls::Press(int x, int y) {
  if (watched_.AtEnd()) {
    if (kCloseButton.Contains(x, y)) return WatchAnswer::kClose;
    if (kAgainButton.Contains(x, y)) Key(WatchKey::kPauseResume);
  }
  if (kPauseButton.Contains(x, y)) Key(WatchKey::kPauseResume);
  if (kBarBox.Contains(x, y)) {
    const std::int64_t along = std::clamp(x, kBarLeft, kBarRight) - kBarLeft;
    const std::int64_t span = watched_.EndTick() - watched_.FirstTick();
    SeekTo(watched_.FirstTick() + static_cast<std::int32_t>(along * span / (kBarRight - kBarLeft)));
  }
  return WatchAnswer::kGoOn;
}

void WatchControls::Period(SoundSink* sound) {
  if (Paused()) return;
  for (int k = 0; k < Speed() && !watched_.AtEnd(); ++k) {
    watched_.Step();
    if (sound != nullptr && Speed() <= 2) PlayTickSounds(watched_.game(), *sound);
  }
  changed_ = true;
}

void WatchControls::Draw(const PictureSet& pictures, Frame& frame) {
  changed_ = false;
  DrawTick(watched_.game(), pictures, frame);
  Surface& screen = frame.screen;
  const bool at_end = watched_.AtEnd();
  // The next tick's picture paints the game again where the controls lie.
  frame.drawing.PaintedOver({0, kStripTop, kScreenWidth, kScreenHeight});

  Darken(screen, kStripTop, kScreenHeight);
  DrawPauseOrPlay(screen, Paused());
  const std::string speed = std::to_string(Speed()) + "X";
  DrawTextNow(screen, pictures, 34, 583, kFontPlain, speed.c_str());

  const std::int32_t first = watched_.FirstTick();
  const std::int32_t span = std::max(1, watched_.EndTick() - first);
  const std::int32_t played = watched_.Now() - first;
  const int filled = kBarLeft + static_cast<int>(static_cast<std::int64_t>(played) *
                                                 (kBarRight - kBarLeft) / span);
  FillRect(screen, {kBarLeft, kBarTop, kBarRight, kBarBottom}, kTrack);
  FillRect(screen, {kBarLeft, kBarTop, filled, kBarBottom}, kPlayed);
  FillRect(screen,
           {std::max(kBarLeft, filled - 2), kBarTop - 3, std::min(kBarRight, filled + 2),
            kBarBottom + 3},
           kInk);
  const std::string times = PlayTime(played) + " -" + PlayTime(watched_.EndTick() - watched_.Now());
  DrawTextNow(screen, pictures, kTimeLeft, 583, kFontPlain, times.c_str());

  if (at_end) {
    for (const HitBox& box : {kAgainButton, kCloseButton})
      frame.drawing.PaintedOver({box.left, box.top, box.right, box.bottom});
    DrawButton(screen, pictures, kAgainButton, InLanguage(watched_.game(), kWatchAgain));
    DrawButton(screen, pictures, kCloseButton, InLanguage(watched_.game(), kClose));
  }
}

}  // namespace klumpix
