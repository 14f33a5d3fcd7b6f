#include "core/video/pixel.h"

#include <cstddef>

namespace video {

void putPixel(Canvas dst, int x, int y, Color c) {
  if (x < 0 || y < 0 || x >= dst.width || y >= dst.height) return;
  blendPixel(dst.pixels + (static_cast<std::size_t>(y) * dst.width + x) * 4, c);
}

}  // namespace video
