// Feeds arbitrary bytes to the BMP decoder: it either refuses them with a
// reason or returns a picture whose pixels match its size.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  klumpix::Picture picture;
  std::string error;
  if (!klumpix::DecodeBmp(data, size, picture, error)) {
    if (error.empty()) std::abort();
    return 0;
  }
  if (picture.width <= 0 || picture.height <= 0) std::abort();
  const auto pixels =
      static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
  if (picture.pixels.size() != pixels) std::abort();
  // Touch the corners so a short pixel buffer shows up under the sanitizer.
  volatile std::uint16_t sink = picture.At(0, 0);
  sink = picture.At(picture.width - 1, picture.height - 1);
  (void)sink;
  return 0;
}
