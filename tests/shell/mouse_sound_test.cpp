#include <gtest/gtest.h>

#include <vector>

#include "shell/mouse.h"
#include "shell/sound.h"
#include "support/game_fixture.h"

namespace klumpix {
namespace {

TEST(MouseHandlers, CtrlLeftTogglesSoundWithoutPressingButClickStillCounts) {
  auto g = testing::NewGame();
  g->settings.sound_on = true;
  DXDraw1MouseDown(*g, MouseButton::kLeft, true);
  EXPECT_FALSE(g->settings.sound_on);
  EXPECT_FALSE(g->mouse.left_button_down);
  DXDraw1Click(*g);
  DXDraw1MouseUp(*g, MouseButton::kLeft);
  EXPECT_TRUE(g->mouse.clicked);
  DXDraw1MouseDown(*g, MouseButton::kRight, true);  // right with Ctrl: nothing
  EXPECT_FALSE(g->mouse.right_button_down);
  EXPECT_FALSE(g->settings.sound_on);
}

TEST(MouseHandlers, ButtonsAreHeldUntilReleasedAndMiddleIsIgnored) {
  auto g = testing::NewGame();
  DXDraw1MouseDown(*g, MouseButton::kLeft, false);
  DXDraw1MouseDown(*g, MouseButton::kRight, false);
  DXDraw1MouseDown(*g, MouseButton::kMiddle, false);
  EXPECT_TRUE(g->mouse.left_button_down);
  EXPECT_TRUE(g->mouse.right_button_down);
  SettlePresses(*g);  // a tick has seen both presses
  DXDraw1MouseUp(*g, MouseButton::kLeft);
  EXPECT_FALSE(g->mouse.left_button_down);
  EXPECT_TRUE(g->mouse.right_button_down);
  // A quick press released before any tick: held until that tick has run.
  DXDraw1MouseDown(*g, MouseButton::kLeft, false);
  DXDraw1MouseUp(*g, MouseButton::kLeft);
  EXPECT_TRUE(g->mouse.left_button_down);
  SettlePresses(*g);
  EXPECT_FALSE(g->mouse.left_button_down);
  DXDraw1MouseMove(*g, 123, 456);
  EXPECT_EQ(g->mouse.mouse_x, 123);
  EXPECT_EQ(g->mouse.mouse_y, 456);
}

struct Call {
  char what;
  SoundId id;
  std::int32_t value;
};

class RecordingSink : public SoundSink {
 public:
  void SetPan(SoundId id, std::int32_t pan) override { calls.push_back({'p', id, pan}); }
  void SetVolume(SoundId id, std::int32_t v) override { calls.push_back({'v', id, v}); }
  void Play(SoundId id) override { calls.push_back({'s', id, 0}); }
  std::vector<Call> Starts() const {
    std::vector<Call> out;
    for (const Call& c : calls)
      if (c.what == 's') out.push_back(c);
    return out;
  }
  // The volume last set for `id`; 1, above full volume, if none was.
  std::int32_t VolumeOf(SoundId id) const {
    std::int32_t volume = 1;
    for (const Call& c : calls)
      if (c.what == 'v' && c.id == id) volume = c.value;
    return volume;
  }
  std::vector<Call> calls;
};

TEST(Sounds, PanRunsFromMinusToPlusTwoThousand) {
  auto g = testing::NewGame();
  EXPECT_EQ(SoundPan(*g, 0), -2000);
  EXPECT_EQ(SoundPan(*g, 400), 0);
  EXPECT_EQ(SoundPan(*g, 799), 1995);
}

TEST(Sounds, RequestsAreCollectedAndTheLastPanWins) {
  auto g = testing::NewGame();
  g->settings.sound_volume = 35000;
  RequestSound(*g, kSoundExplosion1, 100);
  RequestSound(*g, kSoundExplosion1, 700);
  RequestSound(*g, kSoundMaser3, 400);
  RecordingSink sink;
  StartSounds(*g);
  PlaySounds(*g, sink);
  const auto starts = sink.Starts();
  ASSERT_EQ(starts.size(), 2u);
  EXPECT_EQ(starts[0].id, kSoundMaser3);
  EXPECT_EQ(starts[1].id, kSoundExplosion1);
  ASSERT_EQ(g->sounds.started_sound_count, 2);
  EXPECT_EQ(g->sounds.started_sounds[1].pan, SoundPan(*g, 700));
  EXPECT_EQ(g->sounds.started_sounds[1].volume, -2000);
}

TEST(Sounds, VolumesFollowTheSettingAndClampAtFullVolume) {
  auto g = testing::NewGame();
  g->settings.sound_volume = 50000;
  RequestSound(*g, kSoundBallweg, 100);
  RequestSound(*g, kSoundErschein1, 100);
  RecordingSink sink;
  StartSounds(*g);
  PlaySounds(*g, sink);
  EXPECT_EQ(sink.VolumeOf(kSoundBallweg), 500);  // the device clamps
  EXPECT_EQ(sink.VolumeOf(kSoundMaser3), -2000);
  ASSERT_EQ(g->sounds.started_sound_count, 2);
  for (int i = 0; i < g->sounds.started_sound_count; ++i)
    EXPECT_EQ(g->sounds.started_sounds[i].volume, 0);
  g->settings.sound_volume = 10000;
  sink.calls.clear();
  StartSounds(*g);
  PlaySounds(*g, sink);
  EXPECT_EQ(sink.VolumeOf(kSoundPloing2), -4000);
}

TEST(Sounds, UnpannedSoundsAreCentredAndPansAreSetEveryTick) {
  auto g = testing::NewGame();
  g->settings.sound_volume = 35000;
  RequestSound(*g, kSoundPloing2, 10);
  RequestSound(*g, kSoundBallweg, 10);
  RecordingSink sink;
  StartSounds(*g);
  PlaySounds(*g, sink);
  ASSERT_EQ(g->sounds.started_sound_count, 2);
  for (int i = 0; i < g->sounds.started_sound_count; ++i)
    EXPECT_EQ(g->sounds.started_sounds[i].pan, 0);
  int pans = 0;
  for (const Call& c : sink.calls) {
    pans += c.what == 'p';
    EXPECT_FALSE(c.what == 'p' && (c.id == kSoundPloing2 || c.id == kSoundBallweg));
  }
  EXPECT_EQ(pans, 4);
  ClearSoundRequests(*g);
  sink.calls.clear();
  StartSounds(*g);
  PlaySounds(*g, sink);
  EXPECT_TRUE(sink.Starts().empty());
  EXPECT_EQ(sink.calls.size(), 10u);  // four pans and six volumes, nothing started
}

}  // namespace
}  // namespace klumpix
