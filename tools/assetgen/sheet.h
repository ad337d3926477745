// An 8-bit RGB picture ready to be written, and the conversion from a
// drawing canvas that keeps visible pixels off the sheet's transparent key.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"
#include "core/picture_files.h"
#include "core/surface.h"

namespace assetgen {

using Rgb8 = klumpix::Rgb888;

struct Image {
  int width = 0;
  int height = 0;
  std::vector<Rgb8> pixels;  // top row first
  Rgb8& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
  const Rgb8& At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

using Key = klumpix::SheetKey;

// The 16-bit value the game compares against the transparent colour.
inline std::uint16_t ToRgb565(Rgb8 c) {
  return klumpix::Rgb565(c.r, c.g, c.b);
}
inline std::uint16_t KeyRgb565(Key k) {
  return klumpix::KeyColour(k);
}

struct Sheet {
  std::string path;  // relative to the res folder, forward slashes
  Key key = Key::kNone;
  Image image;
};

// A blank canvas of the size the game cuts picture `picture` by.
Canvas CanvasFor(int picture);
// Picture `picture` as the game loads it: its path and key from the game's table.
Sheet SheetFor(int picture, Image image);

// Pixels with coverage below `threshold` become the key colour; the rest are
// composited over `backdrop` (a typical colour the sprite is shown on, so
// soft edges do not look like halos) and nudged off the key if needed.
Image ToImage(const Canvas& canvas, Key key, float threshold = 0.5f, Color backdrop = {24, 24, 28});

}  // namespace assetgen
