// Minimal PNG encoder (RGBA, stored deflate blocks) for the window icon.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

struct Rgba8 {
  std::uint8_t r = 0, g = 0, b = 0, a = 0;
};

std::uint32_t Crc32(const unsigned char* data, std::size_t size, std::uint32_t crc = 0);
std::uint32_t Adler32(const unsigned char* data, std::size_t size);
std::vector<unsigned char> EncodePng(int width, int height, const std::vector<Rgba8>& pixels);

}  // namespace assetgen
