// The row kernels with SSE2 instructions (every x86-64 processor has them): 4 destination
// pixels per step. The arithmetic is that of the AVX2 kernels on 128-bit registers.
#if defined(__x86_64__) || defined(__i386__)

#include <emmintrin.h>

#include <cstring>

#include "core/video/row_kernels.h"

#pragma GCC push_options
#pragma GCC target("sse2")

namespace video::rows {
namespace {

inline __m128i loadu(const void* p) { return _mm_loadu_si128(static_cast<const __m128i*>(p)); }
inline void storeu(void* p, __m128i v) { _mm_storeu_si128(static_cast<__m128i*>(p), v); }

inline std::int32_t pixelAt(const std::uint8_t* row, std::int32_t i) {
  std::int32_t p;
  std::memcpy(&p, row + static_cast<std::size_t>(i) * 4, 4);
  return p;
}

// left × 256 + (right − left) × wx in wrapping 16-bit arithmetic, stored − 32768.
inline __m128i horizontal(__m128i l, __m128i r, __m128i wx) {
  const __m128i top = _mm_add_epi16(_mm_slli_epi16(l, 8), _mm_mullo_epi16(_mm_sub_epi16(r, l), wx));
  return _mm_xor_si128(top, _mm_set1_epi16(static_cast<short>(0x8000)));
}

void hpass(const std::uint8_t* srcRow, const Columns& cols, std::int16_t* out) {
  const int n = cols.n;
  const __m128i zero = _mm_setzero_si128();
  const std::int32_t* i0 = cols.idx0.data();
  const std::int32_t* i1 = cols.idx1.data();
  int u = 0;
  for (; u + 4 <= n; u += 4) {
    const __m128i l = _mm_setr_epi32(pixelAt(srcRow, i0[u]), pixelAt(srcRow, i0[u + 1]),
                                     pixelAt(srcRow, i0[u + 2]), pixelAt(srcRow, i0[u + 3]));
    const __m128i r = _mm_setr_epi32(pixelAt(srcRow, i1[u]), pixelAt(srcRow, i1[u + 1]),
                                     pixelAt(srcRow, i1[u + 2]), pixelAt(srcRow, i1[u + 3]));
    const std::int16_t* wx = cols.wx4.data() + static_cast<std::size_t>(u) * 4;
    storeu(out + u * 4,
           horizontal(_mm_unpacklo_epi8(l, zero), _mm_unpacklo_epi8(r, zero), loadu(wx)));
    storeu(out + u * 4 + 8,
           horizontal(_mm_unpackhi_epi8(l, zero), _mm_unpackhi_epi8(r, zero), loadu(wx + 8)));
  }
  for (; u < n; ++u) hpassPixel(srcRow, cols, u, out);
}

// value = (top × (256 − wy) + bottom × wy) >> 16 for 2 pixels (8 lanes); the multiply-add
// of the stored rows gives the sum less 128 × 65536, hence the 128 added after the shift.
inline __m128i vertical(const std::int16_t* t, const std::int16_t* b, __m128i wpair) {
  const __m128i tv = loadu(t), bv = loadu(b);
  const __m128i lo = _mm_madd_epi16(_mm_unpacklo_epi16(tv, bv), wpair);
  const __m128i hi = _mm_madd_epi16(_mm_unpackhi_epi16(tv, bv), wpair);
  return _mm_add_epi16(_mm_packs_epi32(_mm_srai_epi32(lo, 16), _mm_srai_epi32(hi, 16)),
                       _mm_set1_epi16(128));
}

// (a × (256 − w) + b × w) >> 8, exact in wrapping 16-bit arithmetic.
inline __m128i lerp(__m128i a, __m128i b, __m128i w) {
  return _mm_srli_epi16(
      _mm_add_epi16(_mm_slli_epi16(a, 8), _mm_mullo_epi16(_mm_sub_epi16(b, a), w)), 8);
}

// 4 pixels as two halves of 16-bit lanes.
inline __m128i lowHalf(__m128i px) { return _mm_unpacklo_epi8(px, _mm_setzero_si128()); }
inline __m128i highHalf(__m128i px) { return _mm_unpackhi_epi8(px, _mm_setzero_si128()); }

// Blends 4 values (two halves of 2 pixels, 16-bit lanes) into 4 destination pixels with
// the weights a0, a1 (per lane), keeping the destination's alpha bytes.
inline void blendOut(std::uint8_t* dst, __m128i v0, __m128i v1, __m128i a0, __m128i a1) {
  const __m128i d = loadu(dst);
  const __m128i r0 = lerp(lowHalf(d), v0, a0), r1 = lerp(highHalf(d), v1, a1);
  const __m128i alphaBytes = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  storeu(dst, _mm_or_si128(_mm_andnot_si128(alphaBytes, _mm_packus_epi16(r0, r1)),
                           _mm_and_si128(alphaBytes, d)));
}

// Each pixel's alpha lane copied over its four lanes.
inline __m128i alphaOf(__m128i px16) {
  return _mm_shufflehi_epi16(_mm_shufflelo_epi16(px16, 0xFF), 0xFF);
}

void put(const std::uint8_t* src, std::uint8_t* dst, int n) {
  int i = 0;
  for (; i + 4 <= n; i += 4) {
    const __m128i s = loadu(src + i * 4);
    const __m128i s0 = lowHalf(s), s1 = highHalf(s);
    blendOut(dst + i * 4, s0, s1, alphaOf(s0), alphaOf(s1));
  }
  for (; i < n; ++i) ownAlphaPixel(src + i * 4, dst + i * 4);
}

void putMix(const std::uint8_t* src1, const std::uint8_t* src2, int fract, std::uint8_t* dst,
            int n) {
  const __m128i fv = _mm_set1_epi16(static_cast<short>(fract));
  int i = 0;
  for (; i + 4 <= n; i += 4) {
    const __m128i a = loadu(src1 + i * 4), b = loadu(src2 + i * 4);
    const __m128i m0 = lerp(lowHalf(a), lowHalf(b), fv), m1 = lerp(highHalf(a), highHalf(b), fv);
    blendOut(dst + i * 4, m0, m1, alphaOf(m0), alphaOf(m1));
  }
  for (; i < n; ++i) ownAlphaMixPixel(src1 + i * 4, src2 + i * 4, fract, dst + i * 4);
}

inline __m128i weightPair(int wy) { return _mm_set1_epi32((wy << 16) | (256 - wy)); }

void vplain(const std::int16_t* t, const std::int16_t* b, int wy, int alpha, std::uint8_t* dst,
            int n) {
  const __m128i wpair = weightPair(wy);
  const __m128i av = _mm_set1_epi16(static_cast<short>(alpha));
  int i = 0;
  for (; i + 4 <= n; i += 4) {
    const std::int16_t *ti = t + i * 4, *bi = b + i * 4;
    blendOut(dst + i * 4, vertical(ti, bi, wpair), vertical(ti + 8, bi + 8, wpair), av, av);
  }
  for (; i < n; ++i) vplainPixel(t + i * 4, b + i * 4, wy, alpha, dst + i * 4);
}

void vmix(const std::int16_t* t1, const std::int16_t* b1, const std::int16_t* t2,
          const std::int16_t* b2, int wy, int fract, int alpha, std::uint8_t* dst, int n) {
  const __m128i wpair = weightPair(wy);
  const __m128i fv = _mm_set1_epi16(static_cast<short>(fract));
  const __m128i av = _mm_set1_epi16(static_cast<short>(alpha));
  int i = 0;
  for (; i + 4 <= n; i += 4) {
    const int o = i * 4;
    const __m128i m0 = lerp(vertical(t1 + o, b1 + o, wpair), vertical(t2 + o, b2 + o, wpair), fv);
    const __m128i m1 =
        lerp(vertical(t1 + o + 8, b1 + o + 8, wpair), vertical(t2 + o + 8, b2 + o + 8, wpair), fv);
    blendOut(dst + o, m0, m1, av, av);
  }
  for (; i < n; ++i)
    vmixPixel(t1 + i * 4, b1 + i * 4, t2 + i * 4, b2 + i * 4, wy, fract, alpha, dst + i * 4);
}

}  // namespace

const Kernels SSE2_KERNELS{put, putMix, hpass, vplain, vmix};

}  // namespace video::rows

#pragma GCC pop_options

#endif
