#pragma once
// The main tick and the routines that frame it.
//
// The rules name a few routines after the parts of the old program that ran
// them; this game keeps those names. What each one is here:
//   FormCreate        start-up of the program: tick count 0, the timer on
//   DXTimer1Timer     the timer tick, every 33 ms: everything the game does
//   DXDraw1MouseDown  a mouse button goes down over the picture
//   DXDraw1MouseUp    a mouse button comes up
//   DXDraw1MouseMove  the pointer moves over the picture
//   DXDraw1Click      a click: a left press and release without a second press
//   PlayScreenTick    the play screen's share of a tick
#include <cstdint>

namespace klumpix {

// The tick that starts the game; the ticks before it only clear the screen.
constexpr std::int32_t kStartUpTick = 10;

struct Frame;
struct Game;
struct PictureSet;
class SoundSink;
class WinnersStorage;

// FormCreate: tick_count 0, timer on.
void FormCreate(Game& g);
// One tick of the frame timer: everything the game computes happens here.
// The start-up tick reads the winners table from `winners`; ENTER saves it
// there. The picture is drawn afterwards, from what the tick left (DrawTick).
void DXTimer1Timer(Game& g, WinnersStorage& winners);
// The picture of the tick that just ran: black before the start-up tick, else
// the lit floor, the objects in depth order and the text layer.
void DrawTick(const Game& g, const PictureSet& pictures, Frame& frame);
// Hands the sounds the tick that just ran started to the platform, when the
// sound is on.
void PlayTickSounds(const Game& g, SoundSink& sink);
// What a full tick does before drawing: resets, the screen routine, the menu
// bar, the pointer follow-up, the object update, the click and the shake.
void RunGameStep(Game& g, WinnersStorage& winners);
void InitProgramState(Game& g, WinnersStorage& winners);
void RunScreen(Game& g);
void FollowMouse(Game& g);

}  // namespace klumpix
