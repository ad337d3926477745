#pragma once
// The thirteen picture sheets, painted in the page by our own generator: its
// code is a small part of the module, the pictures would be most of the page.

namespace klumpix {

struct Game;
struct PictureSet;

// Paints every sheet into the module's res/ folder and loads them as the
// desktop does. False after printing what failed.
bool PaintGamePictures(Game& g, PictureSet& pictures);

}  // namespace klumpix
