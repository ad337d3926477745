#include "bmp_writer.h"

#include <filesystem>
#include <fstream>

#include "core/bmp.h"

namespace assetgen {

std::vector<unsigned char> EncodeBmp(const Image& image) {
  return klumpix::EncodeBmp24(image.width, image.height, image.pixels);
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
