#include "shell/assets.h"

namespace klumpix {

const Picture* ObjectSheet(const PictureSet& pictures, int kind, int image) {
  int sheet = 0;
  switch (20 * kind + image) {
    case 41:
      sheet = kPicPanels;
      break;
    case 61:
      sheet = kPicButtons;
      break;
    case 81:
      sheet = kPicFields;
      break;
    case 82:
      sheet = kPicShadows;
      break;
    case 83:
      sheet = kPicStones;
      break;
    case 161:
      sheet = kPicExplosions;
      break;
    default:
      return nullptr;
  }
  const Picture& p = pictures.sheets[sheet];
  return p.pixels.empty() ? nullptr : &p;
}

}  // namespace klumpix
