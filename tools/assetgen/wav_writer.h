// RIFF WAVE encoding of mono 16-bit PCM.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

std::vector<unsigned char> EncodeWav(int sample_rate, const std::vector<std::int16_t>& samples);

}  // namespace assetgen
