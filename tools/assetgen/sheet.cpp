#include "sheet.h"

#include <utility>

namespace assetgen {
namespace {

std::uint8_t ToByte(float v) {
  if (v <= 0) return 0;
  if (v >= 255) return 255;
  return static_cast<std::uint8_t>(v + 0.5f);
}

Rgb8 AvoidKey(Rgb8 c, Key key) {
  if (key == Key::kBlack && ToRgb565(c) == 0) {
    c.r = std::max<std::uint8_t>(c.r, 8);
    c.g = std::max<std::uint8_t>(c.g, 8);
    c.b = std::max<std::uint8_t>(c.b, 8);
  } else if (key == Key::kMagenta && ToRgb565(c) == 0xF81F) {
    c.g = 8;
  }
  return c;
}

}  // namespace

Canvas CanvasFor(int picture) {
  return Canvas(klumpix::kPictureFiles[picture].width, klumpix::kPictureFiles[picture].height);
}

Sheet SheetFor(int picture, Image image) {
  return {klumpix::kPictureFiles[picture].path, klumpix::kPictureFiles[picture].key,
          std::move(image)};
}

Image ToImage(const Canvas& canvas, Key key, float threshold, Color backdrop) {
  Image img;
  img.width = canvas.width();
  img.height = canvas.height();
  img.pixels.resize(static_cast<std::size_t>(img.width) * img.height);
  const Rgb8 key_colour = key == Key::kMagenta ? Rgb8{255, 0, 255} : Rgb8{0, 0, 0};
  for (int y = 0; y < img.height; ++y) {
    for (int x = 0; x < img.width; ++x) {
      const Pixel& p = canvas.At(x, y);
      if (key != Key::kNone && p.a < threshold) {
        img.At(x, y) = key_colour;
        continue;
      }
      Color c = key == Key::kNone ? p.c : Mix(backdrop, p.c, Clamp01(p.a));
      img.At(x, y) = AvoidKey({ToByte(c.r), ToByte(c.g), ToByte(c.b)}, key);
    }
  }
  return img;
}

}  // namespace assetgen
