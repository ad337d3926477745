// Tiny deterministic generator (xorshift32) so every run draws the same noise.
#pragma once

#include <cstdint>

namespace assetgen {

class Rng {
 public:
  explicit Rng(std::uint32_t seed) : s_(seed ? seed : 0x9E3779B9u) {}
  std::uint32_t Next() {
    s_ ^= s_ << 13;
    s_ ^= s_ >> 17;
    s_ ^= s_ << 5;
    return s_;
  }
  // Uniform in [0, 1).
  float Unit() { return static_cast<float>(Next() >> 8) / 16777216.0f; }
  // Uniform in [-1, 1).
  float Signed() { return Unit() * 2.0f - 1.0f; }
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint32_t>(n)); }

 private:
  std::uint32_t s_;
};

// Stateless hash noise for patterns that must not depend on drawing order.
inline float HashNoise(int x, int y, std::uint32_t seed) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                    static_cast<std::uint32_t>(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return static_cast<float>(h & 0xFFFFFF) / 16777216.0f;
}

}  // namespace assetgen
