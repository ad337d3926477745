#pragma once
// Bitmap-font text: glyph maps, the per-tick text layer and its drawing.
#include <cstdint>

namespace klumpix {

struct Frame;
struct Game;
struct PictureSet;
struct Surface;

// The fonts by number: three small ones (green, dark, plain) and three large
// ones (large, bright, huge).
enum Font : std::int16_t {
  kFontGreen = 1,
  kFontLarge = 2,
  kFontHuge = 3,
  kFontBright = 4,
  kFontDark = 6,
  kFontPlain = 7,
};

std::int16_t SmallFontGlyph(unsigned char ch);
std::int16_t LargeFontGlyph(unsigned char ch);
void WriteText(Game& g, std::int16_t x, std::int16_t y, std::int16_t font, std::int16_t alpha,
               const char* text);
void ClearTextLayer(Game& g);
void DrawTextLayer(const Game& g, const PictureSet& pictures, Frame& frame);
// Draws a text straight onto `screen`, laid out as WriteText lays it out; for
// what the platform shows over the game's picture. Small fonts only.
void DrawTextNow(Surface& screen, const PictureSet& pictures, int x, int y, Font font,
                 const char* text);

}  // namespace klumpix
