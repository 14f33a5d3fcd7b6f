// The row kernels in portable C++.
#include "core/video/scaled_kernels.h"

namespace video::scaled {
namespace {

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

const Kernels TABLE_KERNELS{hpass, vplain, vmix};

}  // namespace video::scaled
