#pragma once
// Scores are shown right-aligned in seven character places, in the status
// panel and in the winners column alike.
#include <cstdint>

#include "core/short_text.h"

namespace klumpix {

// Scores from here on no longer fit the seven places and are not written.
constexpr std::int32_t kUnwrittenScore = 10000000;

// The score with leading blanks up to seven characters; false (and `out`
// left empty) for a score too big to write.
inline bool FormatSevenPlaceScore(std::int32_t score, ShortText& out) {
  out.Clear();
  if (score >= kUnwrittenScore) return false;
  for (std::int32_t bound = 1000000; bound >= 10; bound /= 10) {
    if (score < bound) out.Append(' ');
  }
  out.AppendNumber(score);
  return true;
}

}  // namespace klumpix
