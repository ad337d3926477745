#include <array>
#include <cstdint>

#include "text/text_layer.h"

namespace klumpix {

namespace {

using GlyphMap = std::array<std::int16_t, 256>;

// Bytes not listed stay at glyph 0: an empty advance.
constexpr GlyphMap MakeSmallMap() {
  GlyphMap map{};
  for (int i = 0; i < 26; ++i) map['A' + i] = static_cast<std::int16_t>(1 + i);
  map[0xC4] = 27;  // Ae
  map[0xD6] = 28;  // Oe
  map[0xDC] = 29;  // Ue
  const char* punctuation = ".,;:-_!?";
  for (int i = 0; punctuation[i] != '\0'; ++i)
    map[static_cast<unsigned char>(punctuation[i])] = static_cast<std::int16_t>(30 + i);
  for (int i = 0; i < 9; ++i) map['1' + i] = static_cast<std::int16_t>(38 + i);
  map['0'] = 47;
  const char* signs = "+/\\[]=* <>bcd";
  for (int i = 0; signs[i] != '\0'; ++i)
    map[static_cast<unsigned char>(signs[i])] = static_cast<std::int16_t>(48 + i);
  return map;
}

// The large sheets have no space and no a, s, u: those stay empty advances.
constexpr GlyphMap MakeLargeMap() {
  GlyphMap map{};
  for (int i = 0; i < 26; ++i) map['A' + i] = static_cast<std::int16_t>(1 + i);
  for (int i = 0; i < 10; ++i) map['0' + i] = static_cast<std::int16_t>(27 + i);
  map[0xC4] = 37;  // Ae
  map[0xD6] = 38;  // Oe
  map[0xDC] = 39;  // Ue
  const char* signs = "?!.:;=*&\\/";
  for (int i = 0; signs[i] != '\0'; ++i)
    map[static_cast<unsigned char>(signs[i])] = static_cast<std::int16_t>(40 + i);
  map[0x80] = 50;  // the euro sign
  const char* more = "-_()<>";
  for (int i = 0; more[i] != '\0'; ++i)
    map[static_cast<unsigned char>(more[i])] = static_cast<std::int16_t>(51 + i);
  for (int i = 0; i < 17; ++i) map['b' + i] = static_cast<std::int16_t>(57 + i);  // b..r
  map['t'] = 75;
  map['v'] = 77;
  map['@'] = 79;
  map[','] = 80;
  return map;
}

constexpr GlyphMap kSmallMap = MakeSmallMap();
constexpr GlyphMap kLargeMap = MakeLargeMap();

}  // namespace

// Glyph of a byte in fonts 1, 6 and 7.
std::int16_t SmallFontGlyph(unsigned char ch) {
  return kSmallMap[ch];
}

// Glyph of a byte in fonts 2, 3 and 4.
std::int16_t LargeFontGlyph(unsigned char ch) {
  return kLargeMap[ch];
}

}  // namespace klumpix
