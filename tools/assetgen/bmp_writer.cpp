#include "bmp_writer.h"

#include <filesystem>
#include <fstream>

#include "byte_buffer.h"

namespace assetgen {

std::vector<unsigned char> EncodeBmp(const Image& image) {
  const int row_bytes = (image.width * 3 + 3) & ~3;
  const std::uint32_t data_size = static_cast<std::uint32_t>(row_bytes) * image.height;
  ByteBuffer out;
  out.Bytes("BM");
  out.U32(14 + 40 + data_size);
  out.U32(0);
  out.U32(14 + 40);
  out.U32(40);  // BITMAPINFOHEADER
  out.U32(static_cast<std::uint32_t>(image.width));
  out.U32(static_cast<std::uint32_t>(image.height));  // positive: bottom-up
  out.U16(1);
  out.U16(24);
  out.U32(0);  // BI_RGB
  out.U32(data_size);
  out.U32(2835);
  out.U32(2835);
  out.U32(0);
  out.U32(0);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const Rgb8& p = image.At(x, y);
      out.U8(p.b);
      out.U8(p.g);
      out.U8(p.r);
    }
    for (int pad = image.width * 3; pad < row_bytes; ++pad) out.U8(0);
  }
  return out.data;
}

bool WriteFile(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::filesystem::path p(path);
  std::error_code ec;
  if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path(), ec);
  std::ofstream f(p, std::ios::binary);
  if (!f) return false;
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(f);
}

}  // namespace assetgen
