// Lines and rectangles.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "core/video/pixel.h"
#include "core/video/video.h"

namespace video {

namespace {

// Blends every pixel of columns x0 … x1 − 1 and rows y0 … y1 − 1 that lies inside the
// destination; 64-bit bounds, so a rectangle reaching past the int range still clips.
void fillClipped(Canvas dst, std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                 Color c) {
  x0 = std::max<std::int64_t>(x0, 0);
  y0 = std::max<std::int64_t>(y0, 0);
  x1 = std::min<std::int64_t>(x1, dst.width);
  y1 = std::min<std::int64_t>(y1, dst.height);
  for (auto v = y0; v < y1; ++v) {
    std::uint8_t* p = dst.pixels + (static_cast<std::size_t>(v) * dst.width + x0) * 4;
    for (auto u = x0; u < x1; ++u, p += 4) blendPixel(p, c);
  }
}

}  // namespace

void putFillRect(Canvas dst, int x, int y, int w, int h, Color c) {
  fillClipped(dst, x, y, std::int64_t{x} + w, std::int64_t{y} + h, c);
}

void putLine(Canvas dst, int x1, int y1, int x2, int y2, Color c) {
  // A horizontal or vertical line is its clipped run of pixels: the same points Bresenham
  // visits, without walking the part outside the destination.
  if (y1 == y2 || x1 == x2) {
    fillClipped(dst, std::min(x1, x2), std::min(y1, y2), std::int64_t{std::max(x1, x2)} + 1,
                std::int64_t{std::max(y1, y2)} + 1, c);
    return;
  }
  // Bresenham for all octants; 64-bit error terms so that far end points cannot overflow.
  std::int64_t x = x1, y = y1;
  const std::int64_t dx = x2 > x1 ? std::int64_t{x2} - x1 : std::int64_t{x1} - x2;
  const std::int64_t dy = y2 > y1 ? std::int64_t{y2} - y1 : std::int64_t{y1} - y2;
  const int sx = x2 > x1 ? 1 : -1;
  const int sy = y2 > y1 ? 1 : -1;
  std::int64_t err = dx - dy;
  for (;;) {
    if (x >= 0 && y >= 0 && x < dst.width && y < dst.height)
      blendPixel(dst.pixels + (static_cast<std::size_t>(y) * dst.width + x) * 4, c);
    if (x == x2 && y == y2) return;
    const std::int64_t e2 = 2 * err;
    if (e2 > -dy) {
      err -= dy;
      x += sx;
    }
    if (e2 < dx) {
      err += dx;
      y += sy;
    }
  }
}

void putRect(Canvas dst, int x, int y, int w, int h, Color c) {
  if (w <= 0 || h <= 0) return;
  // A rectangle one pixel thin is all outline; the four stopped-short lines below would
  // reach outside it.
  if (w == 1 || h == 1) return putFillRect(dst, x, y, w, h, c);
  // Each side stops one pixel before the next corner, so every outline pixel, corners
  // included, is blended exactly once.
  const int r = x + w - 1, b = y + h - 1;
  putLine(dst, x, y, r - 1, y, c);
  putLine(dst, r, y, r, b - 1, c);
  putLine(dst, r, b, x + 1, b, c);
  putLine(dst, x, b, x, y + 1, c);
}

void Context::DrawRect(int x, int y, int w, int h, std::uint8_t red, std::uint8_t green,
                       std::uint8_t blue, std::uint8_t alpha, bool fill) {
  if (drawlock) return;
  const Color c{red, green, blue, alpha};
  const int X = (width >> 1) + x, Y = (height >> 1) + y;
  if (fill)
    putFillRect(canvas(), X, Y, w, h, c);
  else
    putRect(canvas(), X, Y, w, h, c);
}

}  // namespace video
