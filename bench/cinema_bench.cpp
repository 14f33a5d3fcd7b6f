// Cinemas, side by side in one run.
//
// Loading: a 10-second 1280×720 H.264 clip (250 pictures, 921 MB decoded) into a ready
// cinema through the cinema pair's background loader, against the ffmpeg command-line tool
// decoding the same clip into BGRA pictures that it throws away (a whole process, started
// from a shell). Cancelling: how long the engine's Clean takes when a load is stopped
// halfway.
//   build/orlevanth_bench --benchmark_filter=CinemaLoad
// For whole-process figures (time and peak memory), the one-load benchmark is a command of
// its own:
//   build/orlevanth_bench --benchmark_filter=CinemaLoadOnce
// beside
//   ffmpeg -threads 0 -i /tmp/orl-cinema-bench/clip.mp4 -f rawvideo -pix_fmt bgra -y /dev/null
//
// First touch: writing 921 MB of frames into fresh memory, as a load does, with the pages
// faulted in one by one, made present in steps of 8 frames (as the engine's loads do, there
// on a thread of their own beside the decoding), or as transparent huge pages, right after the
// previous huge pages were freed ("warm") and three seconds later ("cold"), when a virtual machine
// has handed them back to its host.
//   build/orlevanth_bench --benchmark_filter=CinemaFirstTouch
//
// Drawing: the most expensive frame of the game, the zoom between two 1280×720 cinemas on a
// 1920×1080 screen, both cinemas blending two frames; beside it the cross-fade and one
// cinema alone (the plain scaled draw of the pictures benchmark).
//   build/orlevanth_bench --benchmark_filter=DrawCinema
#include <benchmark/benchmark.h>
#include <sys/mman.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <thread>

#include "core/handover.h"
#include "core/video/animage_pair.h"
#include "core/video/cinema.h"
#include "core/video/video.h"
#include "support/video_files.h"

namespace {

const std::string BENCH_DIR = "/tmp/orl-cinema-bench";
const std::string CLIP = BENCH_DIR + "/clip.mp4";

// The clip, made once and kept for later runs.
bool haveClip() {
  if (std::filesystem::exists(CLIP)) return true;
  std::filesystem::create_directories(BENCH_DIR);
  const std::string tmp = BENCH_DIR + "/making.mp4";
  if (!testsupport::MakeVideo(tmp,
                              "-f lavfi -i testsrc2=s=1280x720:r=25 -t 10 -c:v libx264 "
                              "-pix_fmt yuv420p"))
    return false;
  std::filesystem::rename(tmp, CLIP);
  return true;
}

// One load through the pair, as a screen starts it: the time until its completion.
void loadThroughPair(benchmark::State& state, video::AnimagePair& pair) {
  core::Handover<bool> done;
  pair.loadRunAnimageFromVideoAsync(CLIP, -1, done);
  (void)done.Take();
  const video::Animage* cinema = pair.incoming();
  if (!cinema || cinema->frames.size() != 250) state.SkipWithError("the clip did not load");
}

void CinemaLoad(benchmark::State& state) {
  if (!haveClip()) return state.SkipWithError("cannot make the clip");
  video::AnimagePair pair;
  for (auto _ : state) {
    loadThroughPair(state, pair);
    state.PauseTiming();
    pair.cleanBoth();
    state.ResumeTiming();
  }
  state.counters["MB"] = 250.0 * 1280 * 720 * 4 / 1e6;
}

void CinemaLoadCommandLine(benchmark::State& state) {
  if (!haveClip()) return state.SkipWithError("cannot make the clip");
  const std::string cmd = "ffmpeg -nostdin -loglevel error -threads 0 -i " + CLIP +
                          " -f rawvideo -pix_fmt bgra -y /dev/null";
  for (auto _ : state)
    if (std::system(cmd.c_str()) != 0) state.SkipWithError("ffmpeg failed");
}

// One load and nothing else, for timing the whole process from outside.
void CinemaLoadOnce(benchmark::State& state) {
  if (!haveClip()) return state.SkipWithError("cannot make the clip");
  video::AnimagePair pair;
  for (auto _ : state) loadThroughPair(state, pair);
}

// The time Clean takes to stop a load halfway (the decoding of 125 pictures) and release it.
void CinemaCancel(benchmark::State& state) {
  if (!haveClip()) return state.SkipWithError("cannot make the clip");
  video::AnimagePair pair;
  for (auto _ : state) {
    core::Handover<bool> done;
    pair.loadRunAnimageFromVideoAsync(CLIP, -1, done);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const auto t0 = std::chrono::steady_clock::now();
    pair.cleanBoth();
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    (void)done.Take();
  }
}

// Each run is one load, repeated: the median is the figure.
void repeated(benchmark::internal::Benchmark* b) {
  b->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true);
}

BENCHMARK(CinemaLoad)->Apply(repeated)->UseRealTime();
BENCHMARK(CinemaLoadCommandLine)->Apply(repeated)->UseRealTime();
BENCHMARK(CinemaLoadOnce)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(CinemaCancel)->Apply(repeated)->UseManualTime();

// ---- First touch of a cinema's memory ---------------------------------------------------------

enum class Touch { FAULT, POPULATE, HUGE_WARM, HUGE_COLD };

void CinemaFirstTouch(benchmark::State& state, Touch touch) {
  constexpr std::size_t frame = 1280 * 720 * 4, frames = 250, ahead = 8;
  constexpr std::size_t huge = std::size_t{2} << 20;
  const std::size_t length = (frame * frames + huge - 1) / huge * huge;
  for (auto _ : state) {
    if (touch == Touch::HUGE_COLD) {
      state.PauseTiming();
      std::this_thread::sleep_for(std::chrono::seconds(3));
      state.ResumeTiming();
    }
    // Aligned to a huge page, so that every huge page lies whole in the mapping.
    void* raw = mmap(nullptr, length + huge, PROT_READ | PROT_WRITE,
                     MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (raw == MAP_FAILED) return state.SkipWithError("mmap failed");
    auto* base = reinterpret_cast<std::uint8_t*>(
        (reinterpret_cast<std::uintptr_t>(raw) + huge - 1) / huge * huge);
    if (touch == Touch::HUGE_WARM || touch == Touch::HUGE_COLD)
      madvise(base, length, MADV_HUGEPAGE);
    for (std::size_t f = 0; f < frames; ++f) {
      if (touch == Touch::POPULATE && f % ahead == 0) {
        const std::size_t from = f * frame / 4096 * 4096;
        const std::size_t to = std::min(length, ((f + ahead) * frame + 4095) / 4096 * 4096);
        madvise(base + from, to - from, MADV_POPULATE_WRITE);
      }
      std::memset(base + f * frame, static_cast<int>(f), frame);
    }
    benchmark::ClobberMemory();
    state.PauseTiming();
    munmap(raw, length + huge);
    state.ResumeTiming();
  }
}

BENCHMARK_CAPTURE(CinemaFirstTouch, fault, Touch::FAULT)->Apply(repeated)->UseRealTime();
BENCHMARK_CAPTURE(CinemaFirstTouch, populate_ahead, Touch::POPULATE)
    ->Apply(repeated)
    ->UseRealTime();
BENCHMARK_CAPTURE(CinemaFirstTouch, hugepages_warm, Touch::HUGE_WARM)
    ->Apply(repeated)
    ->UseRealTime();
BENCHMARK_CAPTURE(CinemaFirstTouch, hugepages_cold, Touch::HUGE_COLD)
    ->Apply(repeated)
    ->UseRealTime();

// ---- Drawing --------------------------------------------------------------------------------

std::shared_ptr<video::Animage> randomCinema(int w, int h, unsigned seed) {
  std::mt19937 rng(seed);
  auto a = std::make_shared<video::Animage>();
  for (int f = 0; f < 2; ++f) {
    video::Frame frame{w, h, std::vector<std::uint8_t>(static_cast<std::size_t>(w) * h * 4)};
    for (auto& b : frame.pixels) b = static_cast<std::uint8_t>(rng());
    a->frames.push_back(std::move(frame));
  }
  a->fract = 0.3;  // between two frames: both are read
  a->ready = true;
  return a;
}

// A 1920×1080 video context without a window: the screen buffer, the bands, two cinemas.
struct Screen {
  video::Context ctx;
  explicit Screen(int threads) {
    ctx.width = 1920;
    ctx.height = 1080;
    ctx.pixels.assign(static_cast<std::size_t>(ctx.width) * ctx.height * 4, 40);
    ctx.numcpu = threads;
    ctx.bands = std::make_unique<video::Bands>(threads - 1);
    ctx.cinemasPair->animages[0] = randomCinema(1280, 720, 1);
    ctx.cinemasPair->animages[1] = randomCinema(1280, 720, 2);
  }
};

enum class Draw { ZOOM, CROSS_FADE, SINGLE };

void DrawCinema(benchmark::State& state, Draw draw) {
  Screen s(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    switch (draw) {
      case Draw::ZOOM:  // the rectangle of a portal: a quarter of the width, off centre
        s.ctx.DrawCinemaTransit(0.5, {800, 300}, 320);
        break;
      case Draw::CROSS_FADE:
        s.ctx.DrawCinemaTransit(0.5, {0, 0}, -1);
        break;
      case Draw::SINGLE:
        s.ctx.DrawCinemaSingle();
        break;
    }
    benchmark::ClobberMemory();
  }
}

void drawSetup(benchmark::internal::Benchmark* b) {
  b->Unit(benchmark::kMillisecond)->UseRealTime()->Arg(1)->Arg(2);
}

BENCHMARK_CAPTURE(DrawCinema, DrawCinemaTransit_zoom, Draw::ZOOM)->Apply(drawSetup);
BENCHMARK_CAPTURE(DrawCinema, DrawCinemaTransit_crossfade, Draw::CROSS_FADE)->Apply(drawSetup);
BENCHMARK_CAPTURE(DrawCinema, DrawCinemaSingle, Draw::SINGLE)->Apply(drawSetup);

}  // namespace
