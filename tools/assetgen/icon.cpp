// The window icon: three glossy stones on hex fields.
#include "assets.h"
#include "stone_palette.h"

namespace assetgen {

std::vector<Rgba8> PaintIcon(int size) {
  // Positions and radii are those of the 64-pixel design; edges stay about a
  // pixel soft at every size.
  const float scale = static_cast<float>(size) / kIconSize;
  Canvas c(size, size);
  const auto& pal = StonePalette();
  struct Piece {
    float x, y;
    int colour;
  };
  const Piece kPieces[] = {{21, 22, 0}, {43, 22, 1}, {32, 42, 2}};
  for (const Piece& piece : kPieces) {
    const Color base = pal[static_cast<std::size_t>(piece.colour)].base;
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        float px = (x + 0.5f) / scale, py = (y + 0.5f) / scale;
        float hex = HexDistance(px, py, piece.x, piece.y, 12.5f, 10.8f);
        if (hex < 0) {
          float nx = (px - piece.x) / 12.5f, ny = (py - piece.y) / 10.8f;
          Color field = Mix({60, 64, 74}, base, 0.45f) * (0.9f - 0.15f * (nx + ny));
          c.Blend(x, y, field, Clamp01(-hex * 14 * scale));
        }
        float dx = (px - piece.x) / 8.5f, dy = (py - piece.y) / 8.5f;
        float d2 = dx * dx + dy * dy;
        if (d2 < 1.1f) {
          float nz = std::sqrt(std::max(0.0f, 1 - d2));
          float diffuse = std::max(0.0f, -0.45f * dx - 0.6f * dy + 0.66f * nz);
          Color col = base * (0.35f + 0.75f * diffuse);
          float hx = dx + 0.38f, hy = dy + 0.45f;
          col = Mix(col, {255, 255, 255}, Clamp01(1 - (hx * hx + hy * hy) * 9) * 0.9f);
          c.Blend(x, y, col, Clamp01((1 - std::sqrt(d2)) * 8.5f * scale + 0.5f));
        }
      }
    }
  }
  std::vector<Rgba8> out(static_cast<std::size_t>(size) * size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const Pixel& p = c.At(x, y);
      auto byte = [](float v) {
        return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 255.0f)));
      };
      out[static_cast<std::size_t>(y) * size + x] = {byte(p.c.r), byte(p.c.g), byte(p.c.b),
                                                     byte(p.a * 255)};
    }
  }
  return out;
}

}  // namespace assetgen
