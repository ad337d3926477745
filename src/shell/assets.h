#pragma once
// Loading the thirteen picture sheets and finding an object's sheet.
#include <string>

#include "core/surface.h"
#include "shell/game.h"

namespace klumpix {

// The loaded sheets; they live as long as the program.
struct PictureSet {
  Picture sheets[kPictureCount + 1];
};

// True when every sheet is a regular file under `res_dir`: only such a
// folder is a place to load the pictures from. Otherwise `missing` is the
// first sheet it lacks, as a path under the folder.
bool HoldsPictures(const std::string& res_dir, std::string& missing);

// Loads all thirteen sheets from `res_dir`. On failure returns false and
// `error` names the file and what is wrong with it.
bool LoadPictures(const std::string& res_dir, PictureSet& set, std::string& error);

// Points the game at the loaded sheets.
void AttachPictures(Game& g, const PictureSet& set);

// The picture of object sheet 20 * kind + image, or null.
const Picture* ObjectSheet(const Game& g, int kind, int image);

}  // namespace klumpix
