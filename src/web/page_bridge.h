#pragma once
// The few calls from the module into the page's JavaScript (web/klumpix_page.js).
#include <cstddef>
#include <cstdint>

namespace klumpix {

// Shows the 800 x 600 RGBA picture at `rgba` on the canvas: the part from
// (left, top) to (right, bottom), exclusive, which changed.
void PagePresent(const std::uint8_t* rgba, int left, int top, int right, int bottom);
// Hands the page one of the compiled-in WAV files; it decodes them once sound may start.
void PageLoadSound(int id, const unsigned char* wav, std::size_t size);
// Starts a copy of sound `id` with linear gains for its volume and each side.
void PagePlaySound(int id, double volume, double left, double right);
// True where the canvas is painted on a thread of its own (web/painter.js).
bool PagePaintsOffThread();
// True while the tab is hidden or the page does not have the focus.
bool PagePaused();
// Called after every tick: the page keeps its stored files and notes the
// first picture, which the start-up tick draws.
void PageAfterTick(bool first_picture);
// A plain message on the page instead of the game's picture.
void PageShowMessage(const char* text);
// The tick_count at which the page stored the session it laid at
// kPageSessionPath before main() (web_resume.h), or -1.
std::int32_t PageStoredSessionTick();
// The stored session cannot go on: the page forgets it and says `why`.
void PageDropStoredSession(const char* why);
// Whether the page has a place for kept games (the browser's IndexedDB).
bool PageKeepsGames();
// Keeps the recording of the game that took the first place of board `type`.
void PageKeepBestGame(std::int32_t type, const char* script_text);

}  // namespace klumpix
