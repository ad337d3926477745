#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/glyph_order.h"
#include "text/text_layer.h"

namespace klumpix {

namespace {

using GlyphMap = std::array<std::int16_t, 256>;

// Bytes not in the order stay at glyph 0: an empty advance.
constexpr GlyphMap MakeMap(std::string_view order) {
  GlyphMap map{};
  for (std::size_t i = 0; i < order.size(); ++i) {
    const auto byte = static_cast<unsigned char>(order[i]);
    if (byte != 0) map[byte] = static_cast<std::int16_t>(i + 1);
  }
  return map;
}

constexpr GlyphMap kSmallMap = MakeMap(kSmallGlyphOrder);
constexpr GlyphMap kLargeMap = MakeMap(kLargeGlyphOrder);

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
