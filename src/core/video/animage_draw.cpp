// Unscaled compositing by per-pixel alpha, and the drawing calls of the video context.
#include "core/video/animage_draw.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "core/video/row_kernels.h"
#include "core/video/video.h"

namespace video {
namespace {

// The visible part of a fw × fh picture with top-left corner (x, y): destination columns
// x0 … x1 − 1 and rows y0 … y1 − 1 (empty when x0 ≥ x1 or y0 ≥ y1).
struct Clip {
  std::int64_t x0, y0, x1, y1;
  bool empty() const { return x0 >= x1 || y0 >= y1; }
};

Clip clip(Canvas dst, std::int64_t x, std::int64_t y, int fw, int fh) {
  return {std::max<std::int64_t>(x, 0), std::max<std::int64_t>(y, 0),
          std::min<std::int64_t>(x + fw, dst.width), std::min<std::int64_t>(y + fh, dst.height)};
}

// Walks the visible part of a frame drawn at (x, y): fn(source pixel offset, destination
// pixel pointer, count) once per row.
template <class F>
void forEachRow(const Frame& frame, Canvas dst, int x, int y, bool center, F&& fn) {
  std::int64_t fx = x, fy = y;
  if (center) {
    fx -= frame.width >> 1;
    fy -= frame.height >> 1;
  }
  const Clip c = clip(dst, fx, fy, frame.width, frame.height);
  if (c.empty()) return;
  const auto count = static_cast<int>(c.x1 - c.x0);
  for (auto v = c.y0; v < c.y1; ++v) {
    const auto src = static_cast<std::size_t>((v - fy) * frame.width + (c.x0 - fx)) * 4;
    std::uint8_t* d = dst.pixels + static_cast<std::size_t>(v * dst.width + c.x0) * 4;
    fn(src, d, count);
  }
}

}  // namespace

void putFrame(const Frame& frame, Canvas dst, int x, int y, bool center, DrawPath path) {
  if (!drawPathAvailable(path)) path = bestDrawPath();
  const auto put = rows::kernelsOf(path).put;
  forEachRow(frame, dst, x, y, center, [&](std::size_t src, std::uint8_t* d, int count) {
    put(frame.pixels.data() + src, d, count);
  });
}

void putFrameMix(const Frame& frame1, const Frame& frame2, int fract, Canvas dst, int x, int y,
                 bool center, DrawPath path) {
  // frame2 is read at frame1's offsets: frames of another size cannot be mixed safely.
  if (frame2.width != frame1.width || frame2.height != frame1.height)
    return putFrame(frame1, dst, x, y, center, path);
  if (!drawPathAvailable(path)) path = bestDrawPath();
  const auto putMix = rows::kernelsOf(path).putMix;
  forEachRow(frame1, dst, x, y, center, [&](std::size_t src, std::uint8_t* d, int count) {
    putMix(frame1.pixels.data() + src, frame2.pixels.data() + src, fract, d, count);
  });
}

namespace {

// The frame after `curr`, frame 0 after the last; and the weight of that next frame.
int nextFrame(const Animage& animg) {
  return (animg.curr + 1) % static_cast<int>(animg.frames.size());
}
int fractWeight(const Animage& animg) {
  return std::clamp(static_cast<int>(std::floor(256 * animg.fract)), 0, 255);
}
bool hasCurrent(const Animage& animg) {
  return animg.curr >= 0 && animg.curr < static_cast<int>(animg.frames.size());
}

}  // namespace

void put(const Animage& animg, Canvas dst, int x, int y, bool smooth, bool center) {
  if (!hasCurrent(animg)) return;
  const Frame& cur = animg.frames[static_cast<std::size_t>(animg.curr)];
  if (smooth)
    putFrameMix(cur, animg.frames[static_cast<std::size_t>(nextFrame(animg))], fractWeight(animg),
                dst, x, y, center);
  else
    putFrame(cur, dst, x, y, center);
}

void putAnimageScaled(const Animage& animg, Canvas dst, int x, int y, int w, int h, int alpha,
                      bool mix, int numcpu, Bands* bands) {
  if (!hasCurrent(animg)) return;
  const Frame& cur = animg.frames[static_cast<std::size_t>(animg.curr)];
  if (mix)
    putFrameScaledMix(cur, animg.frames[static_cast<std::size_t>(nextFrame(animg))],
                      fractWeight(animg), dst, x, y, w, h, alpha, numcpu, bands);
  else
    putFrameScaled(cur, dst, x, y, w, h, alpha, numcpu, bands);
}

void Context::DrawAnimage(const Animage* animg, int x, int y, bool smooth, bool center) {
  if (drawlock || !animg) return;
  put(*animg, canvas(), (width >> 1) + x, (height >> 1) + y, smooth, center);
}

void Context::DrawAnimageScaled(const Animage* animg, int x, int y, int w, int h, int alpha,
                                bool mix) {
  if (drawlock || !animg || w <= 0 || h <= 0) return;
  // Opacity is a weight out of 256; beyond that range the blend would leave the byte range.
  putAnimageScaled(*animg, canvas(), (width >> 1) + x, (height >> 1) + y, w, h,
                   std::clamp(alpha, 0, 256), mix, numcpu, bands.get());
}

}  // namespace video
