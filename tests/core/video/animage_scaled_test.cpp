// Scaled drawing: the formula's examples on every path, the bands, and every fast path
// against the reference routine byte for byte, serial and on worker threads.
#include <gtest/gtest.h>

#include <random>

#include "core/video/animage_draw.h"
#include "core/video/bands.h"
#include "core/video/frames.h"
#include "core/video/video.h"

namespace {

using testsupport::randomFrame;
using testsupport::Screen;
using testsupport::solidFrame;
using video::DrawPath;

std::vector<DrawPath> availablePaths() {
  std::vector<DrawPath> paths;
  for (DrawPath p : {DrawPath::REFERENCE, DrawPath::PORTABLE, DrawPath::SSE2, DrawPath::AVX2})
    if (video::drawPathAvailable(p)) paths.push_back(p);
  return paths;
}

const char* name(DrawPath p) {
  switch (p) {
    case DrawPath::REFERENCE:
      return "reference";
    case DrawPath::PORTABLE:
      return "table";
    case DrawPath::SSE2:
      return "sse2";
    case DrawPath::AVX2:
      return "avx2";
  }
  return "?";
}

TEST(Scaled, TwoPixelsStretchedToFourInterpolateAndClampTheLastColumn) {
  // Black, white → 4 wide: weights 0, 128, 0, 128; the last column's right neighbour is
  // itself, so it stays white.
  video::Frame f = solidFrame(2, 1, {0, 0, 0, 255});
  for (int c = 0; c < 3; ++c) f.pixels[4 + c] = 255;
  for (DrawPath path : availablePaths())
    for (int numcpu : {1, 3}) {
      Screen s(4, 1, 99);
      video::putFrameScaled(f, s.canvas(), 0, 0, 4, 1, 256, numcpu, nullptr, path);
      const int expect[] = {0, 127, 255, 255};
      for (int u = 0; u < 4; ++u) {
        EXPECT_EQ(s.at(u, 0)[0], expect[u]) << name(path) << " column " << u;
        EXPECT_EQ(s.at(u, 0)[2], expect[u]) << name(path) << " column " << u;
        EXPECT_EQ(s.at(u, 0)[3], 99) << "alpha byte untouched";
      }
    }
}

TEST(Scaled, UniformOpacityReplacesKeepsOrBlendsAndIgnoresSourceAlpha) {
  // A 2 × 2 frame drawn at its own size samples each source pixel exactly.
  video::Frame f = solidFrame(2, 2, {200, 100, 50, 0});  // alpha 0: must not matter
  struct Case {
    int alpha;
    int blue;  // the blue byte over a screen of 30s: (50 × alpha + 30 × (256 − alpha)) >> 8
  };
  const Case cases[] = {{256, 50}, {0, 30}, {128, 40}, {1, 30}, {255, 49}};
  for (DrawPath path : availablePaths())
    for (const auto& c : cases) {
      Screen s(2, 2, 30);
      video::putFrameScaled(f, s.canvas(), 0, 0, 2, 2, c.alpha, 2, nullptr, path);
      EXPECT_EQ(s.at(1, 1)[0], c.blue) << name(path) << " alpha " << c.alpha;
      EXPECT_EQ(s.at(1, 1)[2], (200 * c.alpha + 30 * (256 - c.alpha)) >> 8) << name(path);
    }
}

TEST(Scaled, MixedFramesBlendTheirBilinearValues) {
  // value = (v1 × (256 − f) + v2 × f) >> 8 = (100 × 192 + 220 × 64) >> 8 = 130
  const video::Frame f1 = solidFrame(3, 3, {100, 100, 100, 255});
  const video::Frame f2 = solidFrame(3, 3, {220, 220, 220, 255});
  const video::Frame odd = solidFrame(2, 3, {220, 220, 220, 255});
  for (DrawPath path : availablePaths()) {
    Screen s(5, 5);
    video::putFrameScaledMix(f1, f2, 64, s.canvas(), 0, 0, 5, 5, 256, 2, nullptr, path);
    EXPECT_EQ(s.at(4, 4)[1], 130) << name(path);
    // A second frame of another size is not read: the first alone is drawn.
    video::putFrameScaledMix(f1, odd, 64, s.canvas(), 0, 0, 5, 5, 256, 2, nullptr, path);
    EXPECT_EQ(s.at(4, 4)[1], 100) << name(path);
  }
}

TEST(Scaled, BandsSplitTheRowsContiguously) {
  // numcpu 4 over rows 0 … 9: 0–1, 2–4, 5–6, 7–9.
  const int starts[] = {0, 2, 5, 7, 10};
  for (int p = 0; p <= 4; ++p) EXPECT_EQ(video::bandStart(0, 10, 4, p), starts[p]);
  // Clipped at the top: rows 3 … 7 in 2 bands.
  EXPECT_EQ(video::bandStart(3, 8, 2, 1), 5);
}

TEST(Scaled, EmptyOrOutsideTargetsStartNoTask) {
  const video::Frame f = solidFrame(4, 4, {255, 255, 255, 255});
  video::Bands pool(1);
  Screen s(8, 8);
  const auto before = s.px;
  const int boxes[][4] = {{0, 0, 0, 4}, {0, 0, 4, 0},  {0, 0, -3, 4},
                          {8, 0, 4, 4}, {0, -4, 4, 4}, {-20, -20, 10, 10}};
  for (const auto& b : boxes)
    for (DrawPath path : availablePaths()) {
      video::putFrameScaledMix(f, f, 100, s.canvas(), b[0], b[1], b[2], b[3], 256, 2, &pool, path);
      video::putFrameScaled(f, s.canvas(), b[0], b[1], b[2], b[3], 256, 2, &pool, path);
    }
  EXPECT_EQ(pool.Runs(), 0u);
  EXPECT_EQ(s.px, before);
}

TEST(Scaled, DrawingCallsClampOpacityAndUseTheContextBands) {
  video::Context ctx;
  ctx.width = 16;
  ctx.height = 16;
  ctx.numcpu = 3;
  ctx.bands = std::make_unique<video::Bands>(2);
  ctx.pixels.assign(16 * 16 * 4, 40);
  video::Animage a;
  a.frames.push_back(solidFrame(2, 2, {200, 200, 200, 255}));
  ctx.DrawAnimageScaled(&a, -8, -8, 16, 16, 300, false);  // as 256: replaces
  EXPECT_EQ(ctx.pixels[0], 200);
  EXPECT_EQ(ctx.pixels[3], 40);
  EXPECT_EQ(ctx.bands->Runs(), 1u);
  ctx.DrawAnimageScaled(&a, -8, -8, 16, 16, -5, false);  // as 0: leaves
  EXPECT_EQ(ctx.pixels[0], 200);
}

// One random scaled draw, compared on every path and band layout with the reference
// routine run serially in one band.
struct Draw {
  video::Frame f1, f2;
  bool mix;
  int fract, x, y, w, h, alpha;
};

void expectAllPathsMatch(const Draw& d, int sw, int sh, std::mt19937& rng,
                         const std::vector<video::Bands*>& pools) {
  Screen ref(sw, sh);
  for (auto& b : ref.px) b = static_cast<std::uint8_t>(rng());
  const auto start = ref.px;
  auto draw = [&](Screen& s, int numcpu, video::Bands* pool, DrawPath path) {
    if (d.mix)
      video::putFrameScaledMix(d.f1, d.f2, d.fract, s.canvas(), d.x, d.y, d.w, d.h, d.alpha, numcpu,
                               pool, path);
    else
      video::putFrameScaled(d.f1, s.canvas(), d.x, d.y, d.w, d.h, d.alpha, numcpu, pool, path);
  };
  // The reference written out as the routine over the whole target in one band.
  if (d.mix)
    video::putFrameScaledMixRoutine(d.f1, d.f2, d.fract, ref.canvas(), d.x, d.y, d.w, d.h, d.alpha,
                                    std::max(d.y, 0), std::min(sh, d.y + d.h));
  else
    video::putFrameScaledRoutine(d.f1, ref.canvas(), d.x, d.y, d.w, d.h, d.alpha, std::max(d.y, 0),
                                 std::min(sh, d.y + d.h));
  for (DrawPath path : availablePaths())
    for (video::Bands* pool : pools)
      for (int numcpu : {1, 2, 3, 7}) {
        Screen s(sw, sh);
        s.px = start;
        draw(s, numcpu, pool, path);
        ASSERT_EQ(s.px, ref.px) << name(path) << " numcpu " << numcpu << " workers "
                                << (pool ? pool->Workers() : -1) << ": " << d.f1.width << "x"
                                << d.f1.height << " → " << d.w << "x" << d.h << " at " << d.x << ","
                                << d.y << " alpha " << d.alpha << " mix " << d.mix << " fract "
                                << d.fract << " on " << sw << "x" << sh;
      }
}

TEST(Scaled, EveryPathMatchesTheReferenceByteForByte) {
  std::mt19937 rng(20240611);
  video::Bands none(0), one(1), three(3);
  const std::vector<video::Bands*> pools = {nullptr, &none, &one, &three};
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int iter = 0; iter < 150; ++iter) {
    const int sw = pick(1, 70), sh = pick(1, 50);
    const int fw = pick(1, 60), fh = pick(1, 40);
    Draw d{randomFrame(fw, fh, rng), randomFrame(fw, fh, rng), pick(0, 1) == 1, 0, 0, 0, 0, 0, 0};
    // Targets smaller and larger than the source, partly or wholly off the screen.
    d.w = pick(1, 4) == 1 ? pick(1, fw) : pick(1, 3 * sw);
    d.h = pick(1, 4) == 1 ? pick(1, fh) : pick(1, 3 * sh);
    d.x = pick(-d.w, sw);
    d.y = pick(-d.h, sh);
    const int alphas[] = {0, 1, 128, 255, 256, pick(0, 256)};
    d.alpha = alphas[pick(0, 5)];
    d.fract = pick(0, 3) == 0 ? 0 : pick(0, 255);
    expectAllPathsMatch(d, sw, sh, rng, pools);
  }
}

TEST(Scaled, CinemaSizedDrawsMatchTheReference) {
  // Magnified, reduced and zoomed far in, as cinemas are drawn during a journey.
  std::mt19937 rng(7);
  video::Bands one(1);
  struct Case {
    int fw, fh, x, y, w, h;
  };
  const Case cases[] = {
      {160, 90, 0, 0, 240, 135},        // 1.5 times, fitted
      {160, 90, -5, 3, 119, 67},        // reduced
      {64, 48, -700, -500, 1280, 960},  // zoomed in, only a corner on screen
      {97, 61, 17, -9, 211, 150},       // odd sizes
  };
  for (const auto& c : cases) {
    Draw d{randomFrame(c.fw, c.fh, rng),
           randomFrame(c.fw, c.fh, rng),
           true,
           77,
           c.x,
           c.y,
           c.w,
           c.h,
           200};
    expectAllPathsMatch(d, 240, 135, rng, {nullptr, &one});
    d.mix = false;
    d.alpha = 256;
    expectAllPathsMatch(d, 240, 135, rng, {&one});
  }
}

}  // namespace
