// The pixel designs of the lettering: every character is a 5 x 7 pattern
// ('#' = ink). Capitals stand on rows 1..6, so row 0 is free for umlaut dots.
#pragma once

#include <array>
#include <string_view>

namespace assetgen {

constexpr int kGlyphCols = 5;
constexpr int kGlyphRows = 7;

struct GlyphDesign {
  std::string_view name;  // the character, UTF-8
  std::array<std::string_view, kGlyphRows> rows;
};

// The design for a character, or nullptr when the character has none.
const GlyphDesign* FindGlyph(std::string_view name);

// Characters of the small (7 px) sheets, glyph 1 first; "" marks an empty cell.
extern const std::array<std::string_view, 60> kSmallMap;
// Characters of the large (15 and 30 px) sheets, glyph 1 first.
extern const std::array<std::string_view, 80> kLargeMap;

}  // namespace assetgen
