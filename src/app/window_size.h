#pragma once
// The size a window opens with, from the kept settings.

namespace klumpix {

// The smallest window the game opens: half the picture, still readable.
constexpr int kMinWindowWidth = 400;
constexpr int kMinWindowHeight = 300;

// Fits a kept window size into the display's usable area (without panels and
// the like), so a hand-edited or stale size cannot open a window larger than
// the screen; never below the smallest window, even on a tiny display.
void FitWindowSize(int usable_width, int usable_height, int& width, int& height);

}  // namespace klumpix
