// assetgen --res DIR --sounds-cpp FILE [--icon FILE]
// Draws every picture sheet into DIR, writes the sounds as a C++ source file
// and optionally the window icon as a PNG.
#include <cstdio>
#include <cstring>
#include <string>

#include "assets.h"
#include "bmp_writer.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: assetgen --res DIR --sounds-cpp FILE [--icon FILE]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string res_dir, sounds_cpp, icon;
  for (int i = 1; i < argc; ++i) {
    const bool has_value = i + 1 < argc;
    if (!std::strcmp(argv[i], "--res") && has_value) {
      res_dir = argv[++i];
    } else if (!std::strcmp(argv[i], "--sounds-cpp") && has_value) {
      sounds_cpp = argv[++i];
    } else if (!std::strcmp(argv[i], "--icon") && has_value) {
      icon = argv[++i];
    } else {
      return Usage();
    }
  }
  if (res_dir.empty() || sounds_cpp.empty()) return Usage();

  using namespace assetgen;
  for (const Sheet& sheet : PaintAllSheets()) {
    const std::string path = res_dir + "/" + sheet.path;
    if (!WriteFile(path, EncodeBmp(sheet.image))) {
      std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  const std::string source = EmbeddedSoundsSource(SynthesiseSounds());
  if (!WriteFile(sounds_cpp, std::vector<unsigned char>(source.begin(), source.end()))) {
    std::fprintf(stderr, "assetgen: cannot write %s\n", sounds_cpp.c_str());
    return 1;
  }
  if (!icon.empty() && !WriteFile(icon, EncodePng(kIconSize, kIconSize, PaintIcon()))) {
    std::fprintf(stderr, "assetgen: cannot write %s\n", icon.c_str());
    return 1;
  }
  return 0;
}
