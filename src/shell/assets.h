#pragma once
// The thirteen picture sheets, in load order, and where they come from.
#include <string>

#include "core/surface.h"
#include "shell/game.h"

namespace klumpix {

// Load-order numbers of the sheets.
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

struct PictureFile {
  const char* path;  // relative to the resource folder, forward slashes
  std::uint16_t key;
  int width, height;  // the size the game's cell arithmetic needs
};

extern const PictureFile kPictureFiles[kPictureCount + 1];

// The loaded sheets; they live as long as the program.
struct PictureSet {
  Picture sheets[kPictureCount + 1];
};

// True when every sheet is a regular file under `res_dir`: only such a
// folder is a place to load the pictures from.
bool HoldsPictures(const std::string& res_dir);

// Loads all thirteen sheets from `res_dir`. On failure returns false and
// `error` names the file and what is wrong with it.
bool LoadPictures(const std::string& res_dir, PictureSet& set, std::string& error);

// Points the game at the loaded sheets.
void AttachPictures(Game& g, const PictureSet& set);

// The picture of object sheet 20 * kind + image, or null.
const Picture* ObjectSheet(const Game& g, int kind, int image);

}  // namespace klumpix
