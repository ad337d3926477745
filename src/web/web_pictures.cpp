#include "web/web_pictures.h"

#include <cstdio>
#include <string>
#include <vector>

#include "app/start_up.h"
#include "assets.h"
#include "bmp_writer.h"

namespace klumpix {

namespace {

// The longest first: a step longer than a tick delays the ticks after it,
// which then follow each other at once, and the shorter steps after them
// fit in the pauses of the ticks still to come. The stones take about half
// of all the painting.
std::vector<assetgen::Sheet> Paint(int step) {
  switch (step) {
    case 0:
      return {assetgen::PaintStones()};
    case 1:
      return {assetgen::PaintFloorTiles()};
    case 2:
      return {assetgen::PaintShadows()};
    case 3:
      return {assetgen::PaintFields()};
    case 4:
      return assetgen::PaintFonts();
    case 5:
      return {assetgen::PaintFrameLayout()};
    case 6:
      return {assetgen::PaintExplosions()};
    case 7:
      return {assetgen::PaintButtons()};
    default:
      return {};
  }
}

}  // namespace

bool PaintPictureStep(int step, PictureSet& pictures) {
  if (step == kPictureSteps - 1) return LoadGamePictures(pictures);
  // The working directory is the root: the game finds res/ there.
  for (const assetgen::Sheet& sheet : Paint(step)) {
    const std::string path = "/res/" + sheet.path;
    if (!assetgen::WriteFile(path, assetgen::EncodeBmp(sheet.image))) {
      std::fprintf(stderr, "klumpix: cannot write %s\n", path.c_str());
      return false;
    }
  }
  return true;
}

}  // namespace klumpix
