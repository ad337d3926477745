#pragma once
// The thirteen picture sheets, painted in the page by our own generator: its
// code is a small part of the module, the pictures would be most of the page.
// The painting is done in steps, one after each of the first black ticks, as
// the desktop loads its pictures between them.

namespace klumpix {

struct PictureSet;

// The steps: the generator's painters, then the loading of all sheets.
constexpr int kPictureSteps = 9;

// Paints the sheets of step `step` (0 .. kPictureSteps - 1) into the
// module's res/ folder; the last step loads them all as the desktop does.
// False after printing what failed.
bool PaintPictureStep(int step, PictureSet& pictures);

}  // namespace klumpix
