// Uncompressed 24-bit bottom-up BMP encoding.
#pragma once

#include <string>
#include <vector>

#include "sheet.h"

namespace assetgen {

std::vector<unsigned char> EncodeBmp(const Image& image);
// Writes the file, creating parent folders; returns false on failure.
bool WriteFile(const std::string& path, const std::vector<unsigned char>& bytes);

}  // namespace assetgen
