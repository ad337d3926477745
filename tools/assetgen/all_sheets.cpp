#include "assets.h"

namespace assetgen {

std::vector<Sheet> PaintAllSheets() {
  std::vector<Sheet> sheets = PaintFonts();
  sheets.push_back(PaintFloorTiles());
  sheets.push_back(PaintFrameLayout());
  sheets.push_back(PaintButtons());
  sheets.push_back(PaintFields());
  sheets.push_back(PaintShadows());
  sheets.push_back(PaintStones());
  sheets.push_back(PaintExplosions());
  return sheets;
}

}  // namespace assetgen
