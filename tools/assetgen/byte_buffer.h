// Little-/big-endian byte appender shared by the file encoders.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace assetgen {

struct ByteBuffer {
  std::vector<unsigned char> data;
  void U8(unsigned v) { data.push_back(static_cast<unsigned char>(v & 0xFF)); }
  void U16(unsigned v) {
    U8(v);
    U8(v >> 8);
  }
  void U32(std::uint32_t v) {
    U16(v & 0xFFFF);
    U16(v >> 16);
  }
  void U32Be(std::uint32_t v) {
    U8(v >> 24);
    U8(v >> 16);
    U8(v >> 8);
    U8(v);
  }
  void Bytes(std::string_view s) {
    for (char c : s) U8(static_cast<unsigned char>(c));
  }
};

}  // namespace assetgen
