#pragma once
// Reading the thirteen picture sheets from a res/ folder.
#include <string>

#include "shell/assets.h"

namespace klumpix {

// True when every sheet is a regular file under `res_dir`: only such a
// folder is a place to load the pictures from. Otherwise `missing` is the
// first sheet it lacks, as a path under the folder.
bool HoldsPictures(const std::string& res_dir, std::string& missing);

// Loads all thirteen sheets from `res_dir`. On failure returns false and
// `error` names the file and what is wrong with it.
bool LoadPictures(const std::string& res_dir, PictureSet& set, std::string& error);

}  // namespace klumpix
