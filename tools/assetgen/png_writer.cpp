#include "png_writer.h"

#include <algorithm>
#include <string_view>

#include "byte_buffer.h"

namespace assetgen {

std::uint32_t Crc32(const unsigned char* data, std::size_t size, std::uint32_t crc) {
  crc = ~crc;
  for (std::size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

std::uint32_t Adler32(const unsigned char* data, std::size_t size) {
  std::uint32_t a = 1, b = 0;
  for (std::size_t i = 0; i < size; ++i) {
    a = (a + data[i]) % 65521u;
    b = (b + a) % 65521u;
  }
  return (b << 16) | a;
}

namespace {

void Chunk(ByteBuffer& out, std::string_view type, const std::vector<unsigned char>& body) {
  out.U32Be(static_cast<std::uint32_t>(body.size()));
  std::vector<unsigned char> typed(type.begin(), type.end());
  typed.insert(typed.end(), body.begin(), body.end());
  out.data.insert(out.data.end(), typed.begin(), typed.end());
  out.U32Be(Crc32(typed.data(), typed.size()));
}

}  // namespace

std::vector<unsigned char> EncodePng(int width, int height, const std::vector<Rgba8>& pixels) {
  std::vector<unsigned char> raw;
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);  // filter: none
    for (int x = 0; x < width; ++x) {
      const Rgba8& p = pixels[static_cast<std::size_t>(y) * width + x];
      raw.insert(raw.end(), {p.r, p.g, p.b, p.a});
    }
  }
  ByteBuffer z;
  z.U8(0x78);
  z.U8(0x01);
  std::size_t pos = 0;
  do {
    const std::size_t len = std::min<std::size_t>(65535, raw.size() - pos);
    const bool last = pos + len == raw.size();
    z.U8(last ? 1 : 0);
    z.U16(static_cast<unsigned>(len));
    z.U16(static_cast<unsigned>(~len & 0xFFFF));
    z.data.insert(z.data.end(), raw.begin() + static_cast<long>(pos),
                  raw.begin() + static_cast<long>(pos + len));
    pos += len;
  } while (pos < raw.size());
  z.U32Be(Adler32(raw.data(), raw.size()));

  ByteBuffer ihdr;
  ihdr.U32Be(static_cast<std::uint32_t>(width));
  ihdr.U32Be(static_cast<std::uint32_t>(height));
  ihdr.U8(8);  // bit depth
  ihdr.U8(6);  // RGBA
  ihdr.U8(0);
  ihdr.U8(0);
  ihdr.U8(0);

  ByteBuffer out;
  out.data = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Chunk(out, "IHDR", ihdr.data);
  Chunk(out, "IDAT", z.data);
  Chunk(out, "IEND", {});
  return out.data;
}

}  // namespace assetgen
