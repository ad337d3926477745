#pragma once
// Sixteen-byte vectors written once for both builds: GCC's and Clang's vector
// extensions become SSE2 natively and WebAssembly SIMD with -msimd128. Only
// the square root needs each target's own instruction.
#include <cmath>
#include <cstdint>
#include <cstring>

#if defined(__wasm_simd128__)
#include <wasm_simd128.h>
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace klumpix::simd {

using U16x8 = std::uint16_t __attribute__((vector_size(16)));
using F64x2 = double __attribute__((vector_size(16)));
using I64x2 = std::int64_t __attribute__((vector_size(16)));
using I16x8 = std::int16_t __attribute__((vector_size(16)));
using I8x8 = std::int8_t __attribute__((vector_size(8)));

inline U16x8 Load(const std::uint16_t* p) {
  U16x8 v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

inline void Store(std::uint16_t* p, U16x8 v) {
  std::memcpy(p, &v, sizeof v);
}

// Eight bytes, each zero or all ones, as eight lanes of the same.
inline U16x8 LoadWidened(const std::uint8_t* p) {
#if defined(__SSE2__) && !defined(__wasm_simd128__)
  const __m128i bytes = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
  return reinterpret_cast<U16x8>(_mm_unpacklo_epi8(bytes, bytes));
#else
  I8x8 bytes;
  std::memcpy(&bytes, p, sizeof bytes);
  return reinterpret_cast<U16x8>(__builtin_convertvector(bytes, I16x8));
#endif
}

// Eight lanes, each zero or all ones, as eight bytes of the same.
inline void StoreNarrowed(std::uint8_t* p, U16x8 v) {
#if defined(__SSE2__) && !defined(__wasm_simd128__)
  const __m128i lanes = reinterpret_cast<__m128i>(v);
  _mm_storel_epi64(reinterpret_cast<__m128i*>(p), _mm_packs_epi16(lanes, lanes));
#else
  const I8x8 bytes = __builtin_convertvector(reinterpret_cast<I16x8>(v), I8x8);
  std::memcpy(p, &bytes, sizeof bytes);
#endif
}

// Correctly rounded in each lane, the same numbers as std::sqrt.
inline F64x2 Sqrt(F64x2 v) {
#if defined(__wasm_simd128__)
  return reinterpret_cast<F64x2>(wasm_f64x2_sqrt(reinterpret_cast<v128_t>(v)));
#elif defined(__SSE2__)
  return reinterpret_cast<F64x2>(_mm_sqrt_pd(reinterpret_cast<__m128d>(v)));
#else
  return F64x2{std::sqrt(v[0]), std::sqrt(v[1])};
#endif
}

// std::lround in each lane (halves away from zero), for values well inside
// the 64-bit range: the truncation plus one step when the rest is a half or
// more. The rest is exact, so no value is rounded twice.
inline I64x2 RoundHalfAway(F64x2 v) {
  const I64x2 whole = __builtin_convertvector(v, I64x2);
  const F64x2 rest = v - __builtin_convertvector(whole, F64x2);
  // A true comparison is -1 in its lane.
  return whole - (rest >= 0.5) + (rest <= -0.5);
}

}  // namespace klumpix::simd
