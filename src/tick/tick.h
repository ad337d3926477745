#pragma once
// The main tick and the routines that frame it.
#include <cstdint>

namespace klumpix {

// The tick that starts the game; the ticks before it only clear the screen.
constexpr std::int32_t kStartUpTick = 10;

struct Game;
class SoundSink;

// FormCreate: tick_count 0, timer on.
void FormCreate(Game& g);
// One tick of the frame timer: everything the game does happens here.
void DXTimer1Timer(Game& g, SoundSink& sink);
// What a full tick does before drawing: resets, the screen routine, the menu
// bar, the pointer follow-up, the object update, the click and the shake.
void RunGameStep(Game& g);
void InitProgramState(Game& g);
void RunScreen(Game& g);
void FollowMouse(Game& g);

}  // namespace klumpix
