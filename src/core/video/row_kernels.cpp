// The row kernels in portable C++, and the choice of kernels at run time.
#include "core/video/row_kernels.h"

namespace video {
namespace rows {
namespace {

void put(const std::uint8_t* src, std::uint8_t* dst, int n) {
  for (int i = 0; i < n; ++i) ownAlphaPixel(src + i * 4, dst + i * 4);
}

void putMix(const std::uint8_t* src1, const std::uint8_t* src2, int fract, std::uint8_t* dst,
            int n) {
  for (int i = 0; i < n; ++i) ownAlphaMixPixel(src1 + i * 4, src2 + i * 4, fract, dst + i * 4);
}

void hpass(const std::uint8_t* srcRow, const Columns& cols, std::int16_t* out) {
  for (int u = 0; u < cols.n; ++u) hpassPixel(srcRow, cols, u, out);
}

void vplain(const std::int16_t* t, const std::int16_t* b, int wy, int alpha, std::uint8_t* dst,
            int n) {
  for (int i = 0; i < n; ++i) vplainPixel(t + i * 4, b + i * 4, wy, alpha, dst + i * 4);
}

void vmix(const std::int16_t* t1, const std::int16_t* b1, const std::int16_t* t2,
          const std::int16_t* b2, int wy, int fract, int alpha, std::uint8_t* dst, int n) {
  for (int i = 0; i < n; ++i)
    vmixPixel(t1 + i * 4, b1 + i * 4, t2 + i * 4, b2 + i * 4, wy, fract, alpha, dst + i * 4);
}

}  // namespace

const Kernels PORTABLE_KERNELS{put, putMix, hpass, vplain, vmix};

const Kernels& kernelsOf(DrawPath path) {
#if defined(__x86_64__) || defined(__i386__)
  if (path == DrawPath::AVX2) return AVX2_KERNELS;
  if (path == DrawPath::SSE2) return SSE2_KERNELS;
#else
  (void)path;
#endif
  return PORTABLE_KERNELS;
}

}  // namespace rows

bool drawPathAvailable(DrawPath path) {
#if defined(__x86_64__) || defined(__i386__)
  // The processor's features may be asked for from a static initialiser, before the
  // runtime has read them.
  __builtin_cpu_init();
#endif
  switch (path) {
    case DrawPath::REFERENCE:
    case DrawPath::PORTABLE:
      return true;
#if defined(__x86_64__) || defined(__i386__)
    case DrawPath::SSE2:
      return __builtin_cpu_supports("sse2");
    case DrawPath::AVX2:
      return __builtin_cpu_supports("avx2");
#else
    case DrawPath::SSE2:
    case DrawPath::AVX2:
      return false;
#endif
  }
  return false;
}

DrawPath bestDrawPath() {
  static const DrawPath best = drawPathAvailable(DrawPath::AVX2)   ? DrawPath::AVX2
                               : drawPathAvailable(DrawPath::SSE2) ? DrawPath::SSE2
                                                                   : DrawPath::PORTABLE;
  return best;
}

}  // namespace video
