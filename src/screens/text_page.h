#pragma once
// A page of text lines that all start at one x, as the help and info pages are.
#include <cstddef>
#include <cstdint>

#include "text/text_layer.h"
#include "text/words.h"

namespace klumpix {

struct PageLine {
  std::int16_t y;
  std::int16_t font;
  Words text;
};

template <std::size_t N>
void WritePage(Game& g, std::int16_t x, const PageLine (&lines)[N]) {
  for (const PageLine& line : lines) {
    WriteText(g, x, line.y, line.font, 0, InLanguage(g, line.text));
  }
}

}  // namespace klumpix
