#pragma once
// The program-wide random generator: PCG32 (XSH-RR), seeded once at start-up.
#include <cstdint>

namespace klumpix {

class Pcg32 {
 public:
  void Seed(std::uint64_t init_state, std::uint64_t init_seq);
  std::uint32_t Next();
  // Uniform integer in 0 .. n-1.
  std::uint32_t Random(std::uint32_t n);

 private:
  std::uint64_t state_ = 0;
  std::uint64_t inc_ = 1;
};

}  // namespace klumpix
