#include "app/picture_loading.h"

#include <sys/stat.h>

#include <cstddef>
#include <cstdint>

#include "core/bmp.h"
#include "core/file_io.h"

namespace klumpix {

namespace {

// A sheet is a few megabytes at most; anything far larger is not one of ours.
constexpr std::size_t kPictureFileLimit = 64u << 20;

}  // namespace

bool HoldsPictures(const std::string& res_dir, std::string& missing) {
  for (int i = 1; i <= kPictureCount; ++i) {
    struct stat st {};
    const std::string path = res_dir + "/" + kPictureFiles[i].path;
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
      missing = kPictureFiles[i].path;
      return false;
    }
  }
  return true;
}

bool LoadPictures(const std::string& res_dir, PictureSet& set, std::string& error) {
  for (int i = 1; i <= kPictureCount; ++i) {
    const PictureFile& file = kPictureFiles[i];
    const std::string path = res_dir + "/" + file.path;
    std::string bytes;
    if (!ReadRegularFile(path.c_str(), kPictureFileLimit, bytes, error)) return false;
    std::string why;
    Picture& pic = set.sheets[i];
    if (!DecodeBmp(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), pic, why)) {
      error = path + ": " + why;
      return false;
    }
    // The game cuts its cells by fixed arithmetic, so the size must match.
    if (pic.width != file.width || pic.height != file.height) {
      error = path + ": picture is " + std::to_string(pic.width) + " x " +
              std::to_string(pic.height) + ", must be " + std::to_string(file.width) + " x " +
              std::to_string(file.height);
      return false;
    }
    pic.key = KeyColour(file.key);
  }
  return true;
}

}  // namespace klumpix
