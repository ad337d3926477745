#include "bmp_writer.h"

#include <cstdio>
#include <filesystem>

#include "core/bmp.h"

namespace assetgen {

std::vector<unsigned char> EncodeBmp(const Image& image) {
  return klumpix::EncodeBmp24(image.width, image.height, image.pixels);
}

bool WriteFile(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::filesystem::path p(path);
  std::error_code ec;
  if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path(), ec);
  // One write for the whole file: a file system kept in memory (the page's)
  // grows a file by each write it is given, copying it every time.
  std::FILE* f = std::fopen(p.c_str(), "wb");
  if (f == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && written;
}

}  // namespace assetgen
