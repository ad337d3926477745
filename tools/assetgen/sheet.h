// An 8-bit RGB picture ready to be written, and the conversion from a
// drawing canvas that keeps visible pixels off the sheet's transparent key.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"

namespace assetgen {

struct Rgb8 {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb8&) const = default;
};

struct Image {
  int width = 0;
  int height = 0;
  std::vector<Rgb8> pixels;  // top row first
  Rgb8& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
  const Rgb8& At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

enum class Key { kNone, kBlack, kMagenta };

// The 16-bit value the game compares against the transparent colour.
inline std::uint16_t ToRgb565(Rgb8 c) {
  return static_cast<std::uint16_t>(((c.r >> 3) << 11) | ((c.g >> 2) << 5) | (c.b >> 3));
}
inline std::uint16_t KeyRgb565(Key k) { return k == Key::kMagenta ? 0xF81F : 0x0000; }

struct Sheet {
  std::string path;  // relative to the res folder, forward slashes
  Key key = Key::kNone;
  Image image;
};

// Pixels with coverage below `threshold` become the key colour; the rest are
// composited over `backdrop` (a typical colour the sprite is shown on, so
// soft edges do not look like halos) and nudged off the key if needed.
Image ToImage(const Canvas& canvas, Key key, float threshold = 0.5f, Color backdrop = {24, 24, 28});

}  // namespace assetgen
