// Scaled drawing of a full-screen cinema, side by side in one run: the reference routine,
// the table-driven fast path (on the best and on the SSE2 kernels), pixman's bilinear
// scaled composite of the same frames, and a plain copy of the destination as the memory
// floor. The argument of each benchmark is the number of threads (bands). Last, unscaled
// compositing of a full-screen picture by its own alpha (one thread).
//
// The mixed 1280×720 → 1920×1080 draws, the comparison that matters:
//   build/orlevanth_bench --benchmark_filter=DrawScaledMix
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "core/video/animage_draw.h"
#include "core/video/bands.h"

namespace {

using video::DrawPath;

constexpr int ALPHA = 200;  // a cross-fade in progress: the destination is read and blended
constexpr int FRACT = 77;   // half-way between two frames, roughly

video::Frame randomFrame(int w, int h, unsigned seed) {
  std::mt19937 rng(seed);
  video::Frame f{w, h, std::vector<std::uint8_t>(static_cast<std::size_t>(w) * h * 4)};
  for (auto& b : f.pixels) b = static_cast<std::uint8_t>(rng());
  return f;
}

struct Scene {
  int sw, sh, dw, dh;
  video::Frame f1, f2;
  std::vector<std::uint8_t> screen;
  Scene(int sw_, int sh_, int dw_, int dh_)
      : sw(sw_),
        sh(sh_),
        dw(dw_),
        dh(dh_),
        f1(randomFrame(sw_, sh_, 1)),
        f2(randomFrame(sw_, sh_, 2)),
        screen(static_cast<std::size_t>(dw_) * dh_ * 4, 40) {}
  video::Canvas canvas() { return {screen.data(), dw, dh}; }
};

void engineDraw(benchmark::State& state, int sw, int sh, int dw, int dh, bool mix, DrawPath path) {
  if (!video::drawPathAvailable(path)) {
    state.SkipWithError("path not available on this processor");
    return;
  }
  const int threads = static_cast<int>(state.range(0));
  Scene s(sw, sh, dw, dh);
  video::Bands pool(threads - 1);
  for (auto _ : state) {
    if (mix)
      video::putFrameScaledMix(s.f1, s.f2, FRACT, s.canvas(), 0, 0, dw, dh, ALPHA, threads, &pool,
                               path);
    else
      video::putFrameScaled(s.f1, s.canvas(), 0, 0, dw, dh, ALPHA, threads, &pool, path);
    benchmark::ClobberMemory();
  }
}

// pixman's equivalent: the first frame scaled into a temporary picture, the second frame
// scaled over it with weight FRACT, the result over the screen with weight ALPHA — three
// composites per band, bilinear, the bands on the same pool.
struct PixmanImage {
  pixman_image_t* img;
  explicit PixmanImage(pixman_image_t* i) : img(i) {}
  ~PixmanImage() { pixman_image_unref(img); }
};

void pixmanDraw(benchmark::State& state, int sw, int sh, int dw, int dh, bool mix) {
  const int threads = static_cast<int>(state.range(0));
  Scene s(sw, sh, dw, dh);
  std::vector<std::uint8_t> tmp(s.screen.size());
  video::Bands pool(threads - 1);
  // Opaque frames in pixman's premultiplied ARGB, the format its fast bilinear paths take
  // (with x8r8g8b8 sources a masked OVER falls back to its general path, 4× slower).
  for (video::Frame* f : {&s.f1, &s.f2})
    for (std::size_t i = 3; i < f->pixels.size(); i += 4) f->pixels[i] = 255;
  auto wrap = [](int w, int h, std::uint8_t* px) {
    return PixmanImage(pixman_image_create_bits(PIXMAN_a8r8g8b8, w, h,
                                                reinterpret_cast<std::uint32_t*>(px), w * 4));
  };
  PixmanImage src1 = wrap(sw, sh, s.f1.pixels.data());
  PixmanImage src2 = wrap(sw, sh, s.f2.pixels.data());
  PixmanImage dst = wrap(dw, dh, s.screen.data());
  PixmanImage mid = wrap(dw, dh, tmp.data());
  pixman_transform_t t;
  pixman_transform_init_scale(&t, pixman_double_to_fixed(static_cast<double>(sw) / dw),
                              pixman_double_to_fixed(static_cast<double>(sh) / dh));
  for (pixman_image_t* img : {src1.img, src2.img}) {
    pixman_image_set_transform(img, &t);
    pixman_image_set_filter(img, PIXMAN_FILTER_BILINEAR, nullptr, 0);
    pixman_image_set_repeat(img, PIXMAN_REPEAT_PAD);
  }
  auto solid = [](int weight) {
    const auto a = static_cast<std::uint16_t>(weight * 257);
    pixman_color_t c{0, 0, 0, a};
    return PixmanImage(pixman_image_create_solid_fill(&c));
  };
  PixmanImage fractMask = solid(FRACT), alphaMask = solid(ALPHA);
  for (auto _ : state) {
    pool.Run(threads, [&](int p) {
      const int y0 = video::bandStart(0, dh, threads, p);
      const int h = video::bandStart(0, dh, threads, p + 1) - y0;
      if (mix) {
        pixman_image_composite32(PIXMAN_OP_SRC, src1.img, nullptr, mid.img, 0, y0, 0, 0, 0, y0, dw,
                                 h);
        pixman_image_composite32(PIXMAN_OP_OVER, src2.img, fractMask.img, mid.img, 0, y0, 0, 0, 0,
                                 y0, dw, h);
        pixman_image_composite32(PIXMAN_OP_OVER, mid.img, alphaMask.img, dst.img, 0, y0, 0, 0, 0,
                                 y0, dw, h);
      } else {
        pixman_image_composite32(PIXMAN_OP_OVER, src1.img, alphaMask.img, dst.img, 0, y0, 0, 0, 0,
                                 y0, dw, h);
      }
    });
    benchmark::ClobberMemory();
  }
}

void memoryFloor(benchmark::State& state) {
  std::vector<std::uint8_t> a(1920 * 1080 * 4, 1), b(a.size());
  for (auto _ : state) {
    std::memcpy(b.data(), a.data(), a.size());
    benchmark::ClobberMemory();
  }
}

// Wall time (the bands run on other threads), medians of 5 runs.
void common(benchmark::internal::Benchmark* b) {
  b->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->MinTime(0.3)
      ->Repetitions(5)
      ->ReportAggregatesOnly(true);
}
void setup(benchmark::internal::Benchmark* b) { common(b->Arg(1)->Arg(2)); }

}  // namespace

// The full-screen journey draw: two frames mixed, 1280×720 → 1920×1080.
BENCHMARK_CAPTURE(engineDraw, DrawScaledMix_reference, 1280, 720, 1920, 1080, true,
                  DrawPath::REFERENCE)
    ->Apply(setup);
BENCHMARK_CAPTURE(engineDraw, DrawScaledMix_fast, 1280, 720, 1920, 1080, true,
                  video::bestDrawPath())
    ->Apply(setup);
BENCHMARK_CAPTURE(engineDraw, DrawScaledMix_fast_sse2, 1280, 720, 1920, 1080, true, DrawPath::SSE2)
    ->Apply(setup);
BENCHMARK_CAPTURE(pixmanDraw, DrawScaledMix_pixman, 1280, 720, 1920, 1080, true)->Apply(setup);

// One frame, 1280×720 → 1920×1080.
BENCHMARK_CAPTURE(engineDraw, DrawScaled_reference, 1280, 720, 1920, 1080, false,
                  DrawPath::REFERENCE)
    ->Apply(setup);
BENCHMARK_CAPTURE(engineDraw, DrawScaled_fast, 1280, 720, 1920, 1080, false, video::bestDrawPath())
    ->Apply(setup);
BENCHMARK_CAPTURE(pixmanDraw, DrawScaled_pixman, 1280, 720, 1920, 1080, false)->Apply(setup);

// A 960×540 cinema on a 1280×720 screen.
BENCHMARK_CAPTURE(engineDraw, Cinema720Mix_fast, 960, 540, 1280, 720, true, video::bestDrawPath())
    ->Apply(setup);

BENCHMARK(memoryFloor)->Name("MemoryFloor_memcpy_1920x1080")->Apply(common);

// A full-screen picture composited by its own alpha, plain and mixed with the next frame.
void unscaledDraw(benchmark::State& state, bool mix) {
  Scene s(1920, 1080, 1920, 1080);
  for (auto _ : state) {
    if (mix)
      video::putFrameMix(s.f1, s.f2, FRACT, s.canvas(), 0, 0, false);
    else
      video::putFrame(s.f1, s.canvas(), 0, 0, false);
    benchmark::ClobberMemory();
  }
}
BENCHMARK_CAPTURE(unscaledDraw, DrawUnscaled_1920x1080, false)->Apply(common);
BENCHMARK_CAPTURE(unscaledDraw, DrawUnscaledMix_1920x1080, true)->Apply(common);
