// assetgen --res DIR --sounds-cpp FILE [--icons DIR --icon-name NAME]
// Draws every picture sheet into DIR, writes the sounds as a C++ source file
// and optionally the icon at every size of a desktop icon theme, as
// DIR/NxN/apps/NAME.png.
#include <cstdio>
#include <cstring>
#include <string>

#include "assets.h"
#include "bmp_writer.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: assetgen --res DIR --sounds-cpp FILE [--icons DIR --icon-name NAME]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string res_dir, sounds_cpp, icon_dir, icon_name = "klumpix";
  for (int i = 1; i < argc; ++i) {
    const bool has_value = i + 1 < argc;
    if (!std::strcmp(argv[i], "--res") && has_value) {
      res_dir = argv[++i];
    } else if (!std::strcmp(argv[i], "--sounds-cpp") && has_value) {
      sounds_cpp = argv[++i];
    } else if (!std::strcmp(argv[i], "--icons") && has_value) {
      icon_dir = argv[++i];
    } else if (!std::strcmp(argv[i], "--icon-name") && has_value) {
      icon_name = argv[++i];
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
  for (int size : kIconThemeSizes) {
    if (icon_dir.empty()) continue;
    const std::string side = std::to_string(size);
    const std::string path = icon_dir + "/" + side + "x" + side + "/apps/" + icon_name + ".png";
    if (!WriteFile(path, EncodePng(size, size, PaintIcon(size)))) {
      std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
