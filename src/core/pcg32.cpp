#include "core/pcg32.h"

namespace klumpix {

namespace {
constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
}

void Pcg32::Seed(std::uint64_t init_state, std::uint64_t init_seq) {
  state_ = 0;
  inc_ = (init_seq << 1u) | 1u;
  Next();
  state_ += init_state;
  Next();
}

std::uint32_t Pcg32::Next() {
  std::uint64_t old = state_;
  state_ = old * kMultiplier + inc_;
  auto xorshifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
  auto rot = static_cast<std::uint32_t>(old >> 59u);
  return (xorshifted >> rot) | (xorshifted << ((0u - rot) & 31u));
}

std::uint32_t Pcg32::Random(std::uint32_t n) {
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(Next()) * n) >> 32);
}

}  // namespace klumpix
