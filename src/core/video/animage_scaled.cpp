// Scaled drawing: bilinear resampling in 32.32 fixed point, split into row bands that run
// on all processors.
//
// Two ways compute the same bytes. The reference routine follows the formula pixel by
// pixel. The table path computes, once per call, each destination column's source
// neighbours and weight, and per band interpolates every source row horizontally once,
// keeping the last two such rows, so a destination row is only a vertical blend of two
// cached rows (cinemas are mostly magnified, so most source rows serve two or more
// destination rows).
#include <algorithm>
#include <cstddef>

#include "core/video/animage_draw.h"
#include "core/video/bands.h"
#include "core/video/row_kernels.h"

namespace video {
namespace {

using rows::Columns;
using rows::Kernels;
using rows::kernelsOf;

// One scaled draw: frame1, mixed with frame2 by fract when frame2 is set.
struct Job {
  const Frame* frame1;
  const Frame* frame2;
  int fract;
  Canvas dst;
  int x, y, w, h, alpha;
};

// The reference: rows yStartThis … yStartNext − 1, every byte from the formula.
template <bool Mix>
void routine(const Job& j, int yStartThis, int yStartNext) {
  const int sw = j.frame1->width, sh = j.frame1->height;
  const std::uint8_t* src1 = j.frame1->pixels.data();
  const std::uint8_t* src2 = Mix ? j.frame2->pixels.data() : nullptr;
  const auto x0 = std::max<std::int64_t>(j.x, 0);
  const auto x1 = std::min<std::int64_t>(j.dst.width, std::int64_t{j.x} + j.w);
  const std::int64_t horScaleMult = (std::int64_t{sw} << SCALE_SMOOTH_BINLOG) / j.w;
  const std::int64_t verScaleMult = (std::int64_t{sh} << SCALE_SMOOTH_BINLOG) / j.h;
  const int alpha = j.alpha, fract = j.fract;

  auto bilinear = [&](const std::uint8_t* src, std::int64_t sx0, std::int64_t sx1, int wx,
                      std::int64_t sy0, std::int64_t sy1, int wy, int c) {
    const int c00 = src[(sy0 * sw + sx0) * 4 + c], c01 = src[(sy0 * sw + sx1) * 4 + c];
    const int c10 = src[(sy1 * sw + sx0) * 4 + c], c11 = src[(sy1 * sw + sx1) * 4 + c];
    const int top = c00 * (256 - wx) + c01 * wx;
    const int bottom = c10 * (256 - wx) + c11 * wx;
    return (top * (256 - wy) + bottom * wy) >> 16;
  };

  std::int64_t sy = (yStartThis - j.y) * verScaleMult;
  for (int v = yStartThis; v < yStartNext; ++v) {
    const std::int64_t sy0 = sy >> SCALE_SMOOTH_BINLOG;
    const std::int64_t sy1 = std::min<std::int64_t>(sy0 + 1, sh - 1);
    const int wy = static_cast<int>((sy >> 24) & 255);
    std::int64_t sx = (x0 - j.x) * horScaleMult;
    std::uint8_t* d = j.dst.pixels + (static_cast<std::size_t>(v) * j.dst.width + x0) * 4;
    for (auto u = x0; u < x1; ++u, d += 4) {
      const std::int64_t sx0 = sx >> SCALE_SMOOTH_BINLOG;
      const std::int64_t sx1 = std::min<std::int64_t>(sx0 + 1, sw - 1);
      const int wx = static_cast<int>((sx >> 24) & 255);
      for (int c = 0; c < 3; ++c) {
        int value = bilinear(src1, sx0, sx1, wx, sy0, sy1, wy, c);
        if constexpr (Mix) {
          const int value2 = bilinear(src2, sx0, sx1, wx, sy0, sy1, wy, c);
          value = (value * (256 - fract) + value2 * fract) >> 8;
        }
        d[c] = static_cast<std::uint8_t>((value * alpha + d[c] * (256 - alpha)) >> 8);
      }
      sx += horScaleMult;
    }
    sy += verScaleMult;
  }
}

// The per-column tables of destination columns x0 … x0 + n − 1.
void buildColumns(const Job& j, int x0, int n, Columns& cols) {
  const int sw = j.frame1->width;
  const std::int64_t horScaleMult = (std::int64_t{sw} << SCALE_SMOOTH_BINLOG) / j.w;
  cols.n = n;
  cols.idx0.resize(static_cast<std::size_t>(n));
  cols.idx1.resize(static_cast<std::size_t>(n));
  cols.wx4.resize(static_cast<std::size_t>(n) * 4);
  std::int64_t sx = (std::int64_t{x0} - j.x) * horScaleMult;
  for (int u = 0; u < n; ++u, sx += horScaleMult) {
    const auto sx0 = static_cast<std::int32_t>(sx >> SCALE_SMOOTH_BINLOG);
    cols.idx0[static_cast<std::size_t>(u)] = sx0;
    cols.idx1[static_cast<std::size_t>(u)] = std::min(sx0 + 1, sw - 1);
    const auto wx = static_cast<std::int16_t>((sx >> 24) & 255);
    std::fill_n(cols.wx4.begin() + static_cast<std::ptrdiff_t>(u) * 4, 4, wx);
  }
  const int groups = n / 8;
  cols.winBase.assign(static_cast<std::size_t>(groups), -1);
  cols.winRel0.resize(static_cast<std::size_t>(groups) * 8);
  cols.winRel1.resize(static_cast<std::size_t>(groups) * 8);
  for (int g = 0; g < groups; ++g) {
    const auto first = static_cast<std::size_t>(g) * 8;
    const std::int32_t base = cols.idx0[first];
    // Source columns only grow with u, so the group's last right neighbour is its largest.
    if (cols.idx1[first + 7] - base >= 8 || base + 8 > sw) continue;
    cols.winBase[static_cast<std::size_t>(g)] = base;
    for (std::size_t k = first; k < first + 8; ++k) {
      cols.winRel0[k] = cols.idx0[k] - base;
      cols.winRel1[k] = cols.idx1[k] - base;
    }
  }
}

// Horizontally interpolated source rows of one frame, the last two kept.
class RowCache {
 public:
  RowCache(const Frame& frame, const Columns& cols, const Kernels& k, std::int16_t* slot0,
           std::int16_t* slot1)
      : frame_(frame), cols_(cols), k_(k), slot_{slot0, slot1} {}

  // The rows r0 (t) and r1 (b); r1 may equal r0.
  void get(int r0, int r1, const std::int16_t*& t, const std::int16_t*& b) {
    int i0 = row_[0] == r0 ? 0 : row_[1] == r0 ? 1 : -1;
    if (i0 < 0) {
      i0 = row_[0] == r1 ? 1 : 0;  // keep r1 when it is already there
      fill(i0, r0);
    }
    t = slot_[i0];
    if (r1 == r0) {
      b = t;
      return;
    }
    const int i1 = 1 - i0;
    if (row_[i1] != r1) fill(i1, r1);
    b = slot_[i1];
  }

 private:
  void fill(int i, int r) {
    const std::uint8_t* row = frame_.pixels.data() + static_cast<std::size_t>(r) * frame_.width * 4;
    k_.hpass(row, cols_, slot_[i]);
    row_[i] = r;
    // The next source row is most likely the next one needed, and it comes from memory
    // (a cinema frame is read once per draw): have it fetched while destination rows are
    // blended.
    if (r + 1 < frame_.height && cols_.n > 0) {
      const std::uint8_t* next = row + static_cast<std::size_t>(frame_.width) * 4;
      const std::uint8_t* end = next + static_cast<std::size_t>(cols_.idx1[cols_.n - 1] + 1) * 4;
      for (const std::uint8_t* p = next + static_cast<std::size_t>(cols_.idx0[0]) * 4; p < end;
           p += 64)
        __builtin_prefetch(p);
    }
  }

  const Frame& frame_;
  const Columns& cols_;
  const Kernels& k_;
  std::int16_t* slot_[2];
  int row_[2] = {-1, -1};
};

// The table path for rows yStartThis … yStartNext − 1 of destination columns x0 … x0 + n − 1.
void tableBand(const Job& j, const Columns& cols, const Kernels& k, int x0, int yStartThis,
               int yStartNext) {
  const int sh = j.frame1->height;
  const auto len = static_cast<std::size_t>(cols.n) * 4;
  // Scratch rows of this thread, kept between calls: no allocation per frame drawn.
  thread_local std::vector<std::int16_t> scratch;
  scratch.resize(len * 4);
  RowCache cache1(*j.frame1, cols, k, scratch.data(), scratch.data() + len);
  RowCache cache2(j.frame2 ? *j.frame2 : *j.frame1, cols, k, scratch.data() + 2 * len,
                  scratch.data() + 3 * len);

  const std::int64_t verScaleMult = (std::int64_t{sh} << SCALE_SMOOTH_BINLOG) / j.h;
  std::int64_t sy = (std::int64_t{yStartThis} - j.y) * verScaleMult;
  for (int v = yStartThis; v < yStartNext; ++v, sy += verScaleMult) {
    const auto sy0 = static_cast<int>(sy >> SCALE_SMOOTH_BINLOG);
    const int wy = static_cast<int>((sy >> 24) & 255);
    // With weight 0 the lower row contributes nothing: it need not be interpolated.
    const int sy1 = wy == 0 ? sy0 : std::min(sy0 + 1, sh - 1);
    std::uint8_t* d = j.dst.pixels + (static_cast<std::size_t>(v) * j.dst.width + x0) * 4;
    const std::int16_t *t1, *b1;
    cache1.get(sy0, sy1, t1, b1);
    if (j.frame2) {
      const std::int16_t *t2, *b2;
      cache2.get(sy0, sy1, t2, b2);
      k.vmix(t1, b1, t2, b2, wy, j.fract, j.alpha, d, cols.n);
    } else {
      k.vplain(t1, b1, wy, j.alpha, d, cols.n);
    }
  }
}

// Runs `band(yStartThis, yStartNext)` for each of numcpu bands over rows y0 … y1 − 1.
template <class F>
void runBands(int y0, int y1, int numcpu, Bands* bands, const F& band) {
  auto task = [&](int p) { band(bandStart(y0, y1, numcpu, p), bandStart(y0, y1, numcpu, p + 1)); };
  if (bands) {
    bands->Run(numcpu, task);
  } else {
    for (int p = 0; p < numcpu; ++p) task(p);
  }
}

bool drawable(const Frame& f) {
  return f.width > 0 && f.height > 0 &&
         f.pixels.size() >= static_cast<std::size_t>(f.width) * f.height * 4;
}

// frame2 is read at frame1's positions: only a frame of the same size can be mixed.
bool sameSize(const Frame& f1, const Frame& f2) {
  return f2.width == f1.width && f2.height == f1.height && drawable(f2);
}

void drawScaled(Job j, int numcpu, Bands* bands, DrawPath path) {
  if (j.w <= 0 || j.h <= 0 || !drawable(*j.frame1)) return;
  if (j.frame2 && !sameSize(*j.frame1, *j.frame2)) j.frame2 = nullptr;
  const auto x0 = static_cast<int>(std::max<std::int64_t>(j.x, 0));
  const auto x1 = static_cast<int>(std::min<std::int64_t>(j.dst.width, std::int64_t{j.x} + j.w));
  const auto y0 = static_cast<int>(std::max<std::int64_t>(j.y, 0));
  const auto y1 = static_cast<int>(std::min<std::int64_t>(j.dst.height, std::int64_t{j.y} + j.h));
  if (x0 >= x1 || y0 >= y1) return;
  numcpu = std::max(numcpu, 1);

  if (path == DrawPath::REFERENCE) {
    if (j.frame2)
      runBands(y0, y1, numcpu, bands, [&](int ys, int ye) { routine<true>(j, ys, ye); });
    else
      runBands(y0, y1, numcpu, bands, [&](int ys, int ye) { routine<false>(j, ys, ye); });
    return;
  }

  // Shortcuts that give the same bytes: opacity 0 changes nothing; a mix with weight 0,
  // or of a frame with itself, is the first frame alone.
  if (j.alpha == 0) return;
  if (j.frame2 && (j.fract == 0 || j.frame2 == j.frame1)) j.frame2 = nullptr;
  if (!drawPathAvailable(path)) path = bestDrawPath();
  const Kernels& k = kernelsOf(path);
  // The drawing thread's tables, reused from call to call. A lambda does not capture a
  // thread_local (each thread would see its own), so the workers get it by reference.
  thread_local Columns callerColumns;
  Columns& cols = callerColumns;
  buildColumns(j, x0, x1 - x0, cols);
  runBands(y0, y1, numcpu, bands, [&](int ys, int ye) { tableBand(j, cols, k, x0, ys, ye); });
}

}  // namespace

void putFrameScaled(const Frame& frame, Canvas dst, int x, int y, int w, int h, int alpha,
                    int numcpu, Bands* bands, DrawPath path) {
  drawScaled(Job{&frame, nullptr, 0, dst, x, y, w, h, alpha}, numcpu, bands, path);
}

void putFrameScaledMix(const Frame& frame1, const Frame& frame2, int fract, Canvas dst, int x,
                       int y, int w, int h, int alpha, int numcpu, Bands* bands, DrawPath path) {
  drawScaled(Job{&frame1, &frame2, fract, dst, x, y, w, h, alpha}, numcpu, bands, path);
}

void putFrameScaledRoutine(const Frame& frame, Canvas dst, int x, int y, int w, int h, int alpha,
                           int yStartThis, int yStartNext) {
  putFrameScaledMixRoutine(frame, frame, 0, dst, x, y, w, h, alpha, yStartThis, yStartNext);
}

void putFrameScaledMixRoutine(const Frame& frame1, const Frame& frame2, int fract, Canvas dst,
                              int x, int y, int w, int h, int alpha, int yStartThis,
                              int yStartNext) {
  if (w <= 0 || h <= 0 || !drawable(frame1)) return;
  // Only rows of the target that lie on the destination.
  yStartThis = static_cast<int>(std::max<std::int64_t>({yStartThis, y, 0}));
  yStartNext = static_cast<int>(
      std::min<std::int64_t>({yStartNext, std::int64_t{y} + h, std::int64_t{dst.height}}));
  Job j{&frame1, &frame2, fract, dst, x, y, w, h, alpha};
  if (&frame2 == &frame1 || !sameSize(frame1, frame2))
    routine<false>(j, yStartThis, yStartNext);
  else
    routine<true>(j, yStartThis, yStartNext);
}

}  // namespace video
