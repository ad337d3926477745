#pragma once
// The characters of the font sheets in glyph order, glyph 1 first, in
// Windows-1252: what the text layer looks up and what the generator draws.
// The small sheets keep a blank cell for the space; a zero byte marks a cell
// the large sheets leave empty (they have no space and no a, s, u or w).
#include <string_view>

namespace klumpix {

constexpr std::string_view kSmallGlyphOrder(
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ\xC4\xD6\xDC.,;:-_!?1234567890+/\\[]=* <>bcd", 60);
constexpr std::string_view kLargeGlyphOrder(
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789\xC4\xD6\xDC?!.:;=*&\\/\x80-_()<>bcdefghijklmnopqr"
    "\0t\0v\0@,",
    80);

}  // namespace klumpix
