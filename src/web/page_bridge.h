#pragma once
// The few calls from the module into the page's JavaScript (web/klumpix_page.js).
#include <cstddef>
#include <cstdint>

namespace klumpix {

// Shows the 800 x 600 RGBA picture at `rgba` on the canvas.
void PagePresent(const std::uint8_t* rgba);
// Hands the page one of the compiled-in WAV files; it decodes them once sound may start.
void PageLoadSound(int id, const unsigned char* wav, std::size_t size);
// Starts a copy of sound `id` with linear gains for its volume and each side.
void PagePlaySound(int id, double volume, double left, double right);
// True while the tab is hidden or the page does not have the focus.
bool PagePaused();
// Called after every tick: the page keeps its stored files and notes the
// first picture, which the start-up tick draws.
void PageAfterTick(bool first_picture);
// A plain message on the page instead of the game's picture.
void PageShowMessage(const char* text);

}  // namespace klumpix
