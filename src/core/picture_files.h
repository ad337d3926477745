#pragma once
// The thirteen picture sheets in load order: where each lies under res/, its
// transparent colour and the size the game's cell arithmetic needs. The
// generator paints them to this table.
#include <cstdint>

#include "core/surface.h"

namespace klumpix {

enum PictureIndex : int {
  kPicFont1 = 1,  // font 1, small green
  kPicFont6 = 2,  // font 6, small dark green
  kPicFont7 = 3,  // font 7, small plain
  kPicFont2 = 4,  // font 2, 15 px
  kPicFont3 = 5,  // font 3, 30 px
  kPicFont4 = 6,  // font 4, 15 px
  kPicFloor = 7,
  kPicPanels = 8,       // sheet 41
  kPicButtons = 9,      // sheet 61
  kPicFields = 10,      // sheet 81
  kPicShadows = 11,     // sheet 82
  kPicStones = 12,      // sheet 83
  kPicExplosions = 13,  // sheet 161
};
constexpr int kPictureCount = 13;

// The colour a sheet's transparent pixels have; the floor is always drawn
// whole and has none.
enum class SheetKey { kNone, kBlack, kMagenta };
constexpr std::uint16_t KeyColour(SheetKey key) {
  return key == SheetKey::kMagenta ? kKeyMagenta : kKeyBlack;
}

struct PictureFile {
  const char* path;  // relative to the resource folder, forward slashes
  SheetKey key;
  int width, height;
};

extern const PictureFile kPictureFiles[kPictureCount + 1];

}  // namespace klumpix
