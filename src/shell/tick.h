#pragma once
// The main tick and the routines that frame it.
namespace klumpix {

struct Game;
class SoundSink;

// FormCreate: tick_count 0, timer on.
void FormCreate(Game& g);
// One tick of the frame timer: everything the game does happens here.
void DXTimer1Timer(Game& g, SoundSink& sink);
void InitProgramState(Game& g);
void RunScreen(Game& g);
void FollowMouse(Game& g);

}  // namespace klumpix
