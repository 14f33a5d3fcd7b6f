// Pixels, colours and the drawing primitives on an explicit destination.
//
// Every blend in the engine has the form new = (source × a + old × (256 − a)) >> 8 on the
// blue, green and red bytes; the destination's alpha byte is never written. With an alpha
// byte (at most 255) an opaque source still keeps 1/256 of the old value: white over black
// gives 254; only a weight of 256 replaces exactly.
#pragma once

#include <cstdint>

namespace video {

// A colour with its opacity: 0 invisible, 255 nearly opaque.
struct Color {
  std::uint8_t R = 0;
  std::uint8_t G = 0;
  std::uint8_t B = 0;
  std::uint8_t A = 0;
  bool operator==(const Color&) const = default;
};

// A destination of drawing: width × height pixels in the screen buffer's encoding.
struct Canvas {
  std::uint8_t* pixels = nullptr;
  int width = 0;
  int height = 0;
};

// One blend of byte `old` towards `value` with weight a (0 … 256).
inline std::uint8_t blendByte(unsigned value, unsigned old, unsigned a) {
  return static_cast<std::uint8_t>((value * a + old * (256 - a)) >> 8);
}

// Blends colour c into the pixel at p (blue at byte 0, green 1, red 2; byte 3 untouched).
inline void blendPixel(std::uint8_t* p, Color c) {
  p[0] = blendByte(c.B, p[0], c.A);
  p[1] = blendByte(c.G, p[1], c.A);
  p[2] = blendByte(c.R, p[2], c.A);
}

// Primitives in buffer coordinates; everything outside the destination is skipped, and a
// pixel covered twice by one primitive is blended twice.
void putPixel(Canvas dst, int x, int y, Color c);
// Bresenham's line including both end points, in any direction.
void putLine(Canvas dst, int x1, int y1, int x2, int y2, Color c);
// The w × h rectangle with top-left corner (x, y), every visible pixel blended once.
void putFillRect(Canvas dst, int x, int y, int w, int h, Color c);
// The one-pixel outline of a w × h rectangle, every visible outline pixel blended once.
void putRect(Canvas dst, int x, int y, int w, int h, Color c);
// The midpoint circle of radius r around (x, y), drawn by eight-way symmetry; points on
// the diagonals and the axes come out more than once.
void putCircle(Canvas dst, int x, int y, int r, Color c);

}  // namespace video
