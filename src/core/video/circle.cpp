// Circles.
#include "core/video/pixel.h"
#include "core/video/video.h"

namespace video {

void putCircle(Canvas dst, int x, int y, int r, Color c) {
  if (r < 0) return;
  putPixel(dst, x, y + r, c);
  putPixel(dst, x, y - r, c);
  putPixel(dst, x + r, y, c);
  putPixel(dst, x - r, y, c);
  // Midpoint stepping over one octant, mirrored eight ways. The last pass may step past
  // the diagonal, and diagonal and axis points are produced twice: outlines drawn with
  // alpha below 255 come out a little denser there, as the engine's circles always have.
  int det = 3 - 2 * r;
  int dx = 0, dy = r;
  while (dx <= dy) {
    ++dx;
    if (det > 0) {
      --dy;
      det += 4 * (dx - dy) + 10;
    } else {
      det += 4 * dx + 6;
    }
    putPixel(dst, x + dx, y + dy, c);
    putPixel(dst, x + dx, y - dy, c);
    putPixel(dst, x - dx, y + dy, c);
    putPixel(dst, x - dx, y - dy, c);
    putPixel(dst, x + dy, y + dx, c);
    putPixel(dst, x + dy, y - dx, c);
    putPixel(dst, x - dy, y + dx, c);
    putPixel(dst, x - dy, y - dx, c);
  }
}

void Context::DrawCircle(int x, int y, int r, std::uint8_t red, std::uint8_t green,
                         std::uint8_t blue, std::uint8_t alpha) {
  if (drawlock) return;
  putCircle(canvas(), (width >> 1) + x, (height >> 1) + y, r, Color{red, green, blue, alpha});
}

}  // namespace video
