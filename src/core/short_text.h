#pragma once
// A fixed-capacity byte string (Windows-1252), so texts live in the game's
// tables without touching the heap during a tick.
#include <cstddef>
#include <cstring>

namespace klumpix {

template <std::size_t Capacity>
struct FixedText {
  char bytes[Capacity + 1] = {};
  std::size_t length = 0;

  void Clear() {
    length = 0;
    bytes[0] = '\0';
  }
  void Assign(const char* text) {
    Clear();
    Append(text);
  }
  void Assign(const char* text, std::size_t n) {
    Clear();
    for (std::size_t i = 0; i < n && length < Capacity; ++i) bytes[length++] = text[i];
    bytes[length] = '\0';
  }
  void Append(const char* text) {
    while (*text != '\0' && length < Capacity) bytes[length++] = *text++;
    bytes[length] = '\0';
  }
  void Append(char c) {
    if (length < Capacity) bytes[length++] = c;
    bytes[length] = '\0';
  }
  // Appends n in decimal, without separators.
  void AppendNumber(long long n) {
    char digits[24];
    int count = 0;
    bool negative = n < 0;
    unsigned long long v =
        negative ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
    do {
      digits[count++] = static_cast<char>('0' + v % 10);
      v /= 10;
    } while (v != 0);
    if (negative) Append('-');
    while (count > 0) Append(digits[--count]);
  }
  const char* c_str() const { return bytes; }
  bool Empty() const { return length == 0; }
  bool operator==(const char* other) const { return std::strcmp(bytes, other) == 0; }
};

using ShortText = FixedText<80>;

}  // namespace klumpix
