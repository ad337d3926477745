#pragma once
// The plain-text formats the game reads (input scripts, settings): lines of
// words apart by blanks, `#` starting a comment.
#include <string>
#include <string_view>
#include <vector>

namespace klumpix {

// The words of each line in turn, comments cut off: `words` for line
// `line_number` (from 1) after each call that returns true.
class LineWords {
 public:
  explicit LineWords(std::string_view text) : text_(text) {}
  bool Next(std::vector<std::string>& words);
  int line_number() const { return line_number_; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  int line_number_ = 0;
};

}  // namespace klumpix
