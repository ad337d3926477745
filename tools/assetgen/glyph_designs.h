// The pixel designs of the lettering: every character is a 5 x 7 pattern
// ('#' = ink). Capitals stand on rows 1..6, so row 0 is free for umlaut dots.
#pragma once

#include <array>
#include <string>
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

// A character of the game's glyph order as the designs name it, in UTF-8.
std::string GlyphName(char cp1252);

}  // namespace assetgen
