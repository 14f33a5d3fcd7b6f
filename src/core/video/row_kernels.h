// Row kernels of compositing (internal to the video module): the inner loops, in portable
// C++ and with SSE2 or AVX2 instructions, all giving exactly the same bytes.
//
// Unscaled rows blend each source pixel by its own alpha byte, optionally after mixing two
// frames by a fraction (which mixes the alpha bytes too).
//
// A scaled draw is computed in two passes that give exactly the bytes of the per-pixel
// bilinear formula:
// - horizontal: for a source row, each destination column u gets, per byte,
//   top = left × (256 − wx) + right × wx (0 … 65280), stored as top − 32768 in an int16
//   (four per pixel: blue, green, red and an unused alpha lane). Each source row is
//   interpolated once and kept while destination rows still need it.
// - vertical: value = (top × (256 − wy) + bottom × wy) >> 16 from two such rows, then the
//   optional mix of two frames, value = (v1 × (256 − f) + v2 × f) >> 8, and the blend into
//   the destination, (value × alpha + dst × (256 − alpha)) >> 8, leaving dst's alpha byte.
// The offset of −32768 lets the vertical pass use signed 16 × 16 → 32-bit multiply-adds.
//
// Every blend (a × (256 − w) + b × w) >> 8 of bytes lies in 0 … 65280 before the shift, so
// the vector kernels compute it as a × 256 + (b − a) × w in wrapping 16-bit arithmetic.
#pragma once

#include <cstdint>
#include <vector>

#include "core/video/animage_draw.h"
#include "core/video/pixel.h"

namespace video::rows {

constexpr int H_OFFSET = 32768;

// Per-call tables over the destination columns x0 … x0 + n − 1 of one scaled draw.
struct Columns {
  int n = 0;
  std::vector<std::int32_t> idx0;  // source column of the left neighbour
  std::vector<std::int32_t> idx1;  // source column of the right neighbour (clamped)
  std::vector<std::int16_t> wx4;   // weight of the right neighbour, once per pixel byte
  // Groups of 8 columns whose neighbours all lie within 8 source pixels from winBase (and
  // the 8 pixels exist): those are read with one load and shuffles; winBase −1 otherwise.
  std::vector<std::int32_t> winBase;
  std::vector<std::int32_t> winRel0;  // idx0 − winBase, per column
  std::vector<std::int32_t> winRel1;  // idx1 − winBase, per column
};

struct Kernels {
  // n source pixels over n destination pixels, each by its own alpha.
  void (*put)(const std::uint8_t* src, std::uint8_t* dst, int n);
  // The same with two source rows mixed by fract (0 … 255) first.
  void (*putMix)(const std::uint8_t* src1, const std::uint8_t* src2, int fract, std::uint8_t* dst,
                 int n);
  // One source row (4 bytes per pixel) into cols.n horizontal values per byte lane.
  void (*hpass)(const std::uint8_t* srcRow, const Columns& cols, std::int16_t* out);
  // n destination pixels from two horizontal rows (t above, b below) with weight wy.
  void (*vplain)(const std::int16_t* t, const std::int16_t* b, int wy, int alpha, std::uint8_t* dst,
                 int n);
  // The same for two frames mixed by fract.
  void (*vmix)(const std::int16_t* t1, const std::int16_t* b1, const std::int16_t* t2,
               const std::int16_t* b2, int wy, int fract, int alpha, std::uint8_t* dst, int n);
};

// The kernels of a path (REFERENCE takes the portable ones; a path this processor lacks
// is never asked for: callers check drawPathAvailable).
const Kernels& kernelsOf(DrawPath path);

extern const Kernels PORTABLE_KERNELS;
#if defined(__x86_64__) || defined(__i386__)
extern const Kernels SSE2_KERNELS;
extern const Kernels AVX2_KERNELS;
#endif

// The per-pixel steps in plain C++, shared by the portable kernels and the vector
// kernels' last few pixels.
inline void ownAlphaPixel(const std::uint8_t* s, std::uint8_t* d) {
  const unsigned a = s[3];
  for (int c = 0; c < 3; ++c) d[c] = blendByte(s[c], d[c], a);
}

inline void ownAlphaMixPixel(const std::uint8_t* s1, const std::uint8_t* s2, int fract,
                             std::uint8_t* d) {
  const auto f = static_cast<unsigned>(fract);
  const unsigned am = blendByte(s2[3], s1[3], f);
  for (int c = 0; c < 3; ++c) d[c] = blendByte(blendByte(s2[c], s1[c], f), d[c], am);
}

inline void hpassPixel(const std::uint8_t* srcRow, const Columns& cols, int u, std::int16_t* out) {
  const std::uint8_t* l = srcRow + static_cast<std::size_t>(cols.idx0[u]) * 4;
  const std::uint8_t* r = srcRow + static_cast<std::size_t>(cols.idx1[u]) * 4;
  const int wx = cols.wx4[static_cast<std::size_t>(u) * 4];
  for (int c = 0; c < 4; ++c)
    out[u * 4 + c] = static_cast<std::int16_t>(l[c] * (256 - wx) + r[c] * wx - H_OFFSET);
}

inline unsigned vvalue(std::int16_t t, std::int16_t b, int wy) {
  return static_cast<unsigned>((t * (256 - wy) + b * wy + H_OFFSET * 256) >> 16);
}

inline void vplainPixel(const std::int16_t* t, const std::int16_t* b, int wy, int alpha,
                        std::uint8_t* d) {
  const auto a = static_cast<unsigned>(alpha);
  for (int c = 0; c < 3; ++c) d[c] = blendByte(vvalue(t[c], b[c], wy), d[c], a);
}

inline void vmixPixel(const std::int16_t* t1, const std::int16_t* b1, const std::int16_t* t2,
                      const std::int16_t* b2, int wy, int fract, int alpha, std::uint8_t* d) {
  const auto a = static_cast<unsigned>(alpha), f = static_cast<unsigned>(fract);
  for (int c = 0; c < 3; ++c) {
    const unsigned v = blendByte(vvalue(t2[c], b2[c], wy), vvalue(t1[c], b1[c], wy), f);
    d[c] = blendByte(v, d[c], a);
  }
}

}  // namespace video::rows
