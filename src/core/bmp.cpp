#include "core/bmp.h"

#include <cstring>

namespace klumpix {

namespace {

std::uint32_t ReadU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t ReadU16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void PutU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

constexpr int kMaxSide = 8192;

}  // namespace

bool DecodeBmp(const std::uint8_t* data, std::size_t size, Picture& out, std::string& error) {
  if (size < 54 || data[0] != 'B' || data[1] != 'M') {
    error = "not a BMP file";
    return false;
  }
  const std::uint32_t pixel_offset = ReadU32(data + 10);
  const std::uint32_t header_size = ReadU32(data + 14);
  // Sizes from the file are compared without adding to them, so a huge
  // value cannot wrap around and pass.
  if (header_size < 40 || header_size > size - 14) {
    error = "unsupported BMP header";
    return false;
  }
  const auto width = static_cast<std::int32_t>(ReadU32(data + 18));
  const auto raw_height = static_cast<std::int32_t>(ReadU32(data + 22));
  const std::uint16_t bits = ReadU16(data + 28);
  const std::uint32_t compression = ReadU32(data + 30);
  if (width <= 0 || raw_height == 0 || raw_height == INT32_MIN || width > kMaxSide ||
      raw_height > kMaxSide || raw_height < -kMaxSide) {
    error = "bad BMP size";
    return false;
  }
  if ((bits != 24 && bits != 32 && bits != 8) ||
      (compression != 0 && !(compression == 3 && bits == 32))) {
    error = "unsupported BMP format (only uncompressed 8, 24 and 32 bit)";
    return false;
  }
  const bool bottom_up = raw_height > 0;
  const int height = bottom_up ? raw_height : -raw_height;
  const std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
  if (pixel_offset > size || stride * static_cast<std::size_t>(height) > size - pixel_offset) {
    error = "BMP file is truncated";
    return false;
  }
  std::uint32_t palette_count = 0;
  const std::uint8_t* palette = data + 14 + header_size;
  if (bits == 8) {
    palette_count = ReadU32(data + 46);
    if (palette_count == 0 || palette_count > 256) palette_count = 256;
    if (std::uint64_t{14} + header_size + std::uint64_t{4} * palette_count > pixel_offset) {
      error = "BMP palette is truncated";
      return false;
    }
  }
  out.width = width;
  out.height = height;
  out.pixels.resize(static_cast<std::size_t>(width) * height);
  const int bytes_per_pixel = bits / 8;
  for (int y = 0; y < height; ++y) {
    const int src_row = bottom_up ? height - 1 - y : y;
    const std::uint8_t* in = data + pixel_offset + stride * static_cast<std::size_t>(src_row);
    std::uint16_t* px = &out.pixels[static_cast<std::size_t>(y) * width];
    if (bits == 8) {
      for (int x = 0; x < width; ++x) {
        const std::uint8_t index = in[x] < palette_count ? in[x] : 0;
        const std::uint8_t* entry = palette + 4 * index;
        px[x] = Rgb565(entry[2], entry[1], entry[0]);
      }
    } else {
      for (int x = 0; x < width; ++x, in += bytes_per_pixel) px[x] = Rgb565(in[2], in[1], in[0]);
    }
  }
  return true;
}

std::vector<std::uint8_t> EncodeBmp24(int width, int height, const std::vector<Rgb888>& pixels) {
  const auto stride = static_cast<std::uint32_t>((width * 3 + 3) & ~3);
  const std::uint32_t image_size = stride * static_cast<std::uint32_t>(height);
  std::vector<std::uint8_t> out;
  out.reserve(54 + image_size);
  out.push_back('B');
  out.push_back('M');
  PutU32(out, 54 + image_size);
  PutU32(out, 0);
  PutU32(out, 54);
  PutU32(out, 40);
  PutU32(out, static_cast<std::uint32_t>(width));
  PutU32(out, static_cast<std::uint32_t>(height));  // positive: bottom-up
  PutU16(out, 1);
  PutU16(out, 24);
  PutU32(out, 0);
  PutU32(out, image_size);
  PutU32(out, 2835);
  PutU32(out, 2835);
  PutU32(out, 0);
  PutU32(out, 0);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const Rgb888& c = pixels[static_cast<std::size_t>(y) * width + x];
      out.push_back(c.b);
      out.push_back(c.g);
      out.push_back(c.r);
    }
    for (int pad = width * 3; pad < static_cast<int>(stride); ++pad) out.push_back(0);
  }
  return out;
}

std::vector<std::uint8_t> EncodeScreenshotBmp(const Surface& screen) {
  std::vector<Rgb888> pixels(kScreenWidth * kScreenHeight);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = ExpandRgb565(screen.pixels[i]);
  return EncodeBmp24(kScreenWidth, kScreenHeight, pixels);
}

}  // namespace klumpix
