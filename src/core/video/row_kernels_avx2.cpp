// The row kernels with AVX2 instructions: 8 destination pixels per step. Chosen at run time
// only on processors that have AVX2; the rest of the engine is built for the baseline.
#if defined(__x86_64__) || defined(__i386__)

#include <immintrin.h>

#include "core/video/row_kernels.h"

// Everything below this line is compiled for AVX2. The headers above stay baseline code,
// so no AVX2 copy of a shared inline function can reach the other files.
#pragma GCC push_options
#pragma GCC target("avx2")

namespace video::rows {
namespace {

inline __m256i loadu(const void* p) { return _mm256_loadu_si256(static_cast<const __m256i*>(p)); }
inline void storeu(void* p, __m256i v) { _mm256_storeu_si256(static_cast<__m256i*>(p), v); }

// left × 256 + (right − left) × wx equals left × (256 − wx) + right × wx, and lies in
// 0 … 65280, so 16-bit wrapping arithmetic gives it exactly; the xor stores it − 32768.
inline __m256i horizontal(__m128i left, __m128i right, __m256i wx) {
  const __m256i l = _mm256_cvtepu8_epi16(left), r = _mm256_cvtepu8_epi16(right);
  const __m256i top =
      _mm256_add_epi16(_mm256_slli_epi16(l, 8), _mm256_mullo_epi16(_mm256_sub_epi16(r, l), wx));
  return _mm256_xor_si256(top, _mm256_set1_epi16(static_cast<short>(0x8000)));
}

void hpass(const std::uint8_t* srcRow, const Columns& cols, std::int16_t* out) {
  const int n = cols.n;
  const auto* src32 = reinterpret_cast<const int*>(srcRow);
  // The tables in locals: the stores to `out` could otherwise alias them for the compiler.
  const std::int32_t* winBase = cols.winBase.data();
  const std::int32_t *rel0 = cols.winRel0.data(), *rel1 = cols.winRel1.data();
  const std::int32_t *idx0 = cols.idx0.data(), *idx1 = cols.idx1.data();
  const std::int16_t* wx4 = cols.wx4.data();
  int u = 0;
  for (; u + 8 <= n; u += 8) {
    __m256i l, r;
    const std::int32_t base = winBase[u / 8];
    if (base >= 0) {
      // All 16 neighbours lie in 8 consecutive source pixels: one load, two shuffles.
      const __m256i win = loadu(src32 + base);
      l = _mm256_permutevar8x32_epi32(win, loadu(rel0 + u));
      r = _mm256_permutevar8x32_epi32(win, loadu(rel1 + u));
    } else {
      l = _mm256_i32gather_epi32(src32, loadu(idx0 + u), 4);
      r = _mm256_i32gather_epi32(src32, loadu(idx1 + u), 4);
    }
    const std::int16_t* wx = wx4 + static_cast<std::size_t>(u) * 4;
    storeu(out + u * 4,
           horizontal(_mm256_castsi256_si128(l), _mm256_castsi256_si128(r), loadu(wx)));
    storeu(out + u * 4 + 16, horizontal(_mm256_extracti128_si256(l, 1),
                                        _mm256_extracti128_si256(r, 1), loadu(wx + 16)));
  }
  for (; u < n; ++u) hpassPixel(srcRow, cols, u, out);
  // Leaving 256-bit code without clearing the upper halves slows later SSE code down.
  _mm256_zeroupper();
}

// value = (top × (256 − wy) + bottom × wy) >> 16 for 4 pixels (16 lanes), from the stored
// top − 32768 and bottom − 32768: one signed multiply-add per lane pair gives the sum less
// 32768 × 256 = 128 × 65536, so the shifted result is the value less 128.
inline __m256i vertical(const std::int16_t* t, const std::int16_t* b, __m256i wpair) {
  const __m256i tv = loadu(t), bv = loadu(b);
  const __m256i lo = _mm256_madd_epi16(_mm256_unpacklo_epi16(tv, bv), wpair);
  const __m256i hi = _mm256_madd_epi16(_mm256_unpackhi_epi16(tv, bv), wpair);
  return _mm256_add_epi16(_mm256_packs_epi32(_mm256_srai_epi32(lo, 16), _mm256_srai_epi32(hi, 16)),
                          _mm256_set1_epi16(128));
}

// (a × (256 − w) + b × w) >> 8 for 16-bit lanes of 0 … 255, w in 0 … 256: the sum lies in
// 0 … 65280, so a × 256 + (b − a) × w in wrapping 16-bit arithmetic is exact.
inline __m256i lerp(__m256i a, __m256i b, __m256i w) {
  return _mm256_srli_epi16(
      _mm256_add_epi16(_mm256_slli_epi16(a, 8), _mm256_mullo_epi16(_mm256_sub_epi16(b, a), w)), 8);
}

// 8 pixels as two halves of 16-bit lanes.
inline __m256i lowHalf(__m256i px) { return _mm256_cvtepu8_epi16(_mm256_castsi256_si128(px)); }
inline __m256i highHalf(__m256i px) {
  return _mm256_cvtepu8_epi16(_mm256_extracti128_si256(px, 1));
}

// Blends 8 values (two halves of 4 pixels, 16-bit lanes) into 8 destination pixels with
// the weights a0, a1 (per lane), keeping the destination's alpha bytes.
inline void blendOut(std::uint8_t* dst, __m256i v0, __m256i v1, __m256i a0, __m256i a1) {
  const __m256i d = loadu(dst);
  const __m256i r0 = lerp(lowHalf(d), v0, a0), r1 = lerp(highHalf(d), v1, a1);
  // packus works within 128-bit lanes: put the 64-bit pixel pairs back in order.
  const __m256i packed = _mm256_permute4x64_epi64(_mm256_packus_epi16(r0, r1), 0xD8);
  const __m256i alphaBytes = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
  storeu(dst, _mm256_blendv_epi8(packed, d, alphaBytes));
}

// Each pixel's alpha lane copied over its four lanes.
inline __m256i alphaOf(__m256i px16) {
  return _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(px16, 0xFF), 0xFF);
}

void put(const std::uint8_t* src, std::uint8_t* dst, int n) {
  int i = 0;
  for (; i + 8 <= n; i += 8) {
    const __m256i s = loadu(src + i * 4);
    const __m256i s0 = lowHalf(s), s1 = highHalf(s);
    blendOut(dst + i * 4, s0, s1, alphaOf(s0), alphaOf(s1));
  }
  for (; i < n; ++i) ownAlphaPixel(src + i * 4, dst + i * 4);
  _mm256_zeroupper();
}

void putMix(const std::uint8_t* src1, const std::uint8_t* src2, int fract, std::uint8_t* dst,
            int n) {
  const __m256i fv = _mm256_set1_epi16(static_cast<short>(fract));
  int i = 0;
  for (; i + 8 <= n; i += 8) {
    // Colour and alpha lanes mix alike; the mixed alpha then weighs the blend.
    const __m256i a = loadu(src1 + i * 4), b = loadu(src2 + i * 4);
    const __m256i m0 = lerp(lowHalf(a), lowHalf(b), fv), m1 = lerp(highHalf(a), highHalf(b), fv);
    blendOut(dst + i * 4, m0, m1, alphaOf(m0), alphaOf(m1));
  }
  for (; i < n; ++i) ownAlphaMixPixel(src1 + i * 4, src2 + i * 4, fract, dst + i * 4);
  _mm256_zeroupper();
}

inline __m256i weightPair(int wy) { return _mm256_set1_epi32((wy << 16) | (256 - wy)); }

void vplain(const std::int16_t* t, const std::int16_t* b, int wy, int alpha, std::uint8_t* dst,
            int n) {
  const __m256i wpair = weightPair(wy);
  const __m256i av = _mm256_set1_epi16(static_cast<short>(alpha));
  int i = 0;
  for (; i + 8 <= n; i += 8) {
    const std::int16_t *ti = t + i * 4, *bi = b + i * 4;
    blendOut(dst + i * 4, vertical(ti, bi, wpair), vertical(ti + 16, bi + 16, wpair), av, av);
  }
  for (; i < n; ++i) vplainPixel(t + i * 4, b + i * 4, wy, alpha, dst + i * 4);
  _mm256_zeroupper();
}

void vmix(const std::int16_t* t1, const std::int16_t* b1, const std::int16_t* t2,
          const std::int16_t* b2, int wy, int fract, int alpha, std::uint8_t* dst, int n) {
  const __m256i wpair = weightPair(wy);
  const __m256i fv = _mm256_set1_epi16(static_cast<short>(fract));
  const __m256i av = _mm256_set1_epi16(static_cast<short>(alpha));
  int i = 0;
  for (; i + 8 <= n; i += 8) {
    const int o = i * 4;
    const __m256i m0 = lerp(vertical(t1 + o, b1 + o, wpair), vertical(t2 + o, b2 + o, wpair), fv);
    const __m256i m1 = lerp(vertical(t1 + o + 16, b1 + o + 16, wpair),
                            vertical(t2 + o + 16, b2 + o + 16, wpair), fv);
    blendOut(dst + o, m0, m1, av, av);
  }
  for (; i < n; ++i)
    vmixPixel(t1 + i * 4, b1 + i * 4, t2 + i * 4, b2 + i * 4, wy, fract, alpha, dst + i * 4);
  _mm256_zeroupper();
}

}  // namespace

const Kernels AVX2_KERNELS{put, putMix, hpass, vplain, vmix};

}  // namespace video::rows

#pragma GCC pop_options

#endif
