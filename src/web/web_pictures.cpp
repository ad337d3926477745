#include "web/web_pictures.h"

#include <cstdio>
#include <string>

#include "app/start_up.h"
#include "assets.h"
#include "bmp_writer.h"

namespace klumpix {

bool PaintGamePictures(Game& g, PictureSet& pictures) {
  // The working directory is the root: the game finds res/ there.
  for (const assetgen::Sheet& sheet : assetgen::PaintAllSheets()) {
    const std::string path = "/res/" + sheet.path;
    if (!assetgen::WriteFile(path, assetgen::EncodeBmp(sheet.image))) {
      std::fprintf(stderr, "klumpix: cannot write %s\n", path.c_str());
      return false;
    }
  }
  return LoadGamePictures(g, pictures);
}

}  // namespace klumpix
