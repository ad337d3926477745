// Painters of the individual picture sheets and the sound set.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "png_writer.h"
#include "sheet.h"

namespace assetgen {

// Fonts: three 7 px sheets and three large ones.
std::vector<Sheet> PaintFonts();
Sheet PaintFloorTiles();
Sheet PaintFrameLayout();
Sheet PaintButtons();
Sheet PaintFields();
Sheet PaintShadows();
Sheet PaintStones();
Sheet PaintExplosions();

// All thirteen sheets in load order.
std::vector<Sheet> PaintAllSheets();

// The icon, `size` x `size` pixels, RGBA, top row first: drawn for 64 and
// scaled as a whole for the other sizes of the desktop's icon theme (192 and
// 512 are also the page's install icons).
constexpr int kIconSize = 64;
constexpr int kIconThemeSizes[] = {16, 32, 48, 64, 128, 192, 256, 512};
std::vector<Rgba8> PaintIcon(int size = kIconSize);

// One note or burst of a sound, in seconds: it fades in over `attack` and
// out over `release`, so it never starts or stops with a jump.
struct Segment {
  double start = 0, length = 0, attack = 0, release = 0;
};

// The shortest fade a segment may have without an audible click.
constexpr double kShortestRamp = 0.005;

struct Sound {
  std::string name;
  int sample_rate = 0;
  std::vector<std::int16_t> samples;
  std::vector<Segment> segments;
};

// The six sounds in resource order.
std::vector<Sound> SynthesiseSounds();

// The C++ source that embeds the sounds as complete WAV files.
std::string EmbeddedSoundsSource(const std::vector<Sound>& sounds);

}  // namespace assetgen
