#pragma once
// Reading BMP pictures into RGB565 and writing the back buffer as a BMP.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/surface.h"

namespace klumpix {

// Decodes an uncompressed 24- or 32-bit (or 8-bit palettised) BMP. Returns
// false with a reason in `error` for anything else or any damage.
bool DecodeBmp(const std::uint8_t* data, std::size_t size, Picture& out, std::string& error);

// An uncompressed 24-bit bottom-up BMP of `pixels`, top row first.
std::vector<std::uint8_t> EncodeBmp24(int width, int height, const std::vector<Rgb888>& pixels);

// The 800 x 600 back buffer as an uncompressed 24-bit BMP; RGB565 channels
// widen by bit replication.
std::vector<std::uint8_t> EncodeScreenshotBmp(const Surface& screen);

}  // namespace klumpix
