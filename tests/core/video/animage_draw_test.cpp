// Unscaled compositing: exact pixels from the blending rule, clipping, the draw lock.
#include "core/video/animage_draw.h"

#include <gtest/gtest.h>

#include <random>

#include "core/video/frames.h"
#include "core/video/video.h"

namespace {

using testsupport::Screen;
using testsupport::solidFrame;

const video::Color OPAQUE_WHITE{255, 255, 255, 255};

// A bare video context on a black screen of w × h (alpha bytes 9), no window needed.
struct Bare {
  video::Context ctx;
  Bare(int w, int h) {
    ctx.width = w;
    ctx.height = h;
    ctx.pixels.assign(static_cast<std::size_t>(w) * h * 4, 0);
    for (std::size_t i = 3; i < ctx.pixels.size(); i += 4) ctx.pixels[i] = 9;
  }
  const std::uint8_t* at(int x, int y) const {
    return &ctx.pixels[(static_cast<std::size_t>(y) * ctx.width + x) * 4];
  }
};

struct Pictures : video::Animage {
  explicit Pictures(std::vector<video::Frame> f) { frames = std::move(f); }
};

TEST(Composite, CentredFrameCoversItsPixelsAroundTheScreenCentre) {
  Bare s(640, 480);
  Pictures a({solidFrame(3, 3, OPAQUE_WHITE)});
  s.ctx.DrawAnimage(&a, 0, 0, false, true);
  for (int y = 237; y <= 243; ++y)
    for (int x = 317; x <= 323; ++x) {
      const bool inside = x >= 319 && x <= 321 && y >= 239 && y <= 241;
      EXPECT_EQ(s.at(x, y)[0], inside ? 254 : 0) << x << "," << y;
      EXPECT_EQ(s.at(x, y)[3], 9) << "alpha byte untouched";
    }
  // Without centring the top-left corner lands on the position.
  s.ctx.DrawAnimage(&a, -320, -240, false, false);
  EXPECT_EQ(s.at(0, 0)[1], 254);
  EXPECT_EQ(s.at(2, 2)[1], 254);
  EXPECT_EQ(s.at(3, 3)[1], 0);
}

TEST(Composite, EachPixelBlendsByItsOwnAlpha) {
  struct Case {
    std::uint8_t src, alpha, dst, expect;
  };
  const Case cases[] = {
      {255, 0, 100, 100},    // transparent: unchanged
      {255, 255, 0, 254},    // opaque white over black keeps 1/256 of the old value
      {255, 128, 100, 177},  // (255 × 128 + 100 × 128) >> 8
      {0, 255, 200, 0},      // (0 + 200 × 1) >> 8
      {10, 64, 250, 190},    // (10 × 64 + 250 × 192) >> 8 = 48640 >> 8
  };
  for (const auto& c : cases) {
    Screen s(1, 1, c.dst);
    s.px[3] = 33;
    video::putFrame(solidFrame(1, 1, {c.src, c.src, c.src, c.alpha}), s.canvas(), 0, 0, false);
    EXPECT_EQ(s.px[0], c.expect) << int(c.src) << " a" << int(c.alpha) << " over " << int(c.dst);
    EXPECT_EQ(s.px[2], c.expect);
    EXPECT_EQ(s.px[3], 33);
  }
}

TEST(Composite, ClipsAtEveryEdge) {
  // A 4 × 3 frame whose pixel i has blue 10 × (i + 1), drawn opaque onto a 6 × 5 screen:
  // every visible screen pixel must show the frame pixel under it, the rest stay black.
  video::Frame f = solidFrame(4, 3, OPAQUE_WHITE);
  for (int i = 0; i < 12; ++i) f.pixels[static_cast<std::size_t>(i) * 4] = 10 * (i + 1);
  const std::pair<int, int> positions[] = {
      {1, 1},
      {-2, 1},
      {4, 1},
      {1, -2},
      {1, 3},
      {-3, -2},
      {5, 4},
      {-4, 0},
      {6, 0},
      {0, -3},
      {0, 5},
      {-1000000000, 0},
      {2000000000, 2000000000},
  };
  for (auto [x, y] : positions) {
    Screen s(6, 5);
    video::putFrame(f, s.canvas(), x, y, false);
    for (int v = 0; v < 5; ++v)
      for (int u = 0; u < 6; ++u) {
        const long fx = static_cast<long>(u) - x, fy = static_cast<long>(v) - y;
        const bool inside = fx >= 0 && fx < 4 && fy >= 0 && fy < 3;
        const int expect = inside ? (10 * (fy * 4 + fx + 1) * 255) >> 8 : 0;
        EXPECT_EQ(s.at(u, v)[0], expect) << "frame at " << x << "," << y << ": " << u << "," << v;
      }
  }
}

TEST(Composite, SmoothDrawingMixesWithTheNextFrame) {
  // Opaque white now, transparent next, half way: mixed alpha (255 × 128) >> 8 = 127, so
  // white over black gives (255 × 127) >> 8 = 126.
  Pictures a({solidFrame(2, 2, OPAQUE_WHITE), solidFrame(2, 2, {255, 255, 255, 0})});
  a.fract = 0.5;
  Bare s(4, 4);
  s.ctx.DrawAnimage(&a, -2, -2, true, false);
  EXPECT_EQ(s.at(0, 0)[0], 126);
  EXPECT_EQ(s.at(1, 1)[2], 126);

  // After the last frame comes frame 0; mixed colour (200 × 64 + 40 × 192) >> 8 = 80.
  Pictures b({solidFrame(1, 1, {200, 200, 200, 255}), solidFrame(1, 1, {40, 40, 40, 255})});
  b.curr = 1;
  b.fract = 0.25;
  Screen out(1, 1);
  video::put(b, out.canvas(), 0, 0, true, false);
  EXPECT_EQ(out.px[0], (80 * 255) >> 8);

  // A next frame of another size cannot be read at the same offsets: the current frame
  // alone is drawn.
  Pictures odd({solidFrame(2, 2, OPAQUE_WHITE), solidFrame(1, 1, {0, 0, 0, 0})});
  odd.fract = 0.5;
  Screen safe(2, 2);
  video::put(odd, safe.canvas(), 0, 0, true, false);
  EXPECT_EQ(safe.at(1, 1)[0], 254);
}

TEST(Composite, EveryPathMatchesTheReferenceByteForByte) {
  // Random frames, offsets (clipped on every side) and mix weights, on every path the
  // processor has, against the straightforward per-pixel routine.
  std::mt19937 rng(99);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int iter = 0; iter < 200; ++iter) {
    const int fw = pick(1, 40), fh = pick(1, 12), sw = pick(1, 50), sh = pick(1, 12);
    const video::Frame f1 = testsupport::randomFrame(fw, fh, rng);
    const video::Frame f2 = testsupport::randomFrame(fw, fh, rng);
    const int x = pick(-fw, sw), y = pick(-fh, sh), fract = pick(0, 255);
    const bool mix = pick(0, 1), center = pick(0, 1);
    Screen ref(sw, sh);
    for (auto& b : ref.px) b = static_cast<std::uint8_t>(rng());
    const auto start = ref.px;
    auto draw = [&](Screen& s, video::DrawPath path) {
      if (mix)
        video::putFrameMix(f1, f2, fract, s.canvas(), x, y, center, path);
      else
        video::putFrame(f1, s.canvas(), x, y, center, path);
    };
    draw(ref, video::DrawPath::REFERENCE);
    for (auto path : {video::DrawPath::PORTABLE, video::DrawPath::SSE2, video::DrawPath::AVX2}) {
      if (!video::drawPathAvailable(path)) continue;
      Screen s(sw, sh);
      s.px = start;
      draw(s, path);
      ASSERT_EQ(s.px, ref.px) << "path " << int(path) << ": " << fw << "x" << fh << " at " << x
                              << "," << y << " on " << sw << "x" << sh << " mix " << mix;
    }
  }
}

TEST(Composite, NothingIsDrawnLockedAbsentOrWithoutFrames) {
  Bare s(8, 8);
  const auto before = s.ctx.pixels;
  Pictures a({solidFrame(2, 2, OPAQUE_WHITE)});
  video::Animage empty;
  s.ctx.DrawAnimage(nullptr, 0, 0, false, false);
  s.ctx.DrawAnimage(&empty, 0, 0, true, true);
  s.ctx.DrawAnimageScaled(nullptr, 0, 0, 4, 4, 256, false);
  s.ctx.DrawAnimageScaled(&empty, 0, 0, 4, 4, 256, true);
  s.ctx.LockDraw();
  s.ctx.DrawAnimage(&a, 0, 0, false, false);
  s.ctx.DrawAnimageScaled(&a, -4, -4, 8, 8, 256, true);
  EXPECT_EQ(s.ctx.pixels, before);
  s.ctx.UnlockDraw();
  s.ctx.DrawAnimage(&a, 0, 0, false, false);
  EXPECT_NE(s.ctx.pixels, before);
}

}  // namespace
