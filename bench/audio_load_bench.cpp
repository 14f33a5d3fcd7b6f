// Loading a long Ogg Vorbis track in the background while a sound plays: the mixer's own
// loader against the engine's, side by side.
//
// The mixer runs on SDL's disk audio driver (written to /dev/null), which calls the mixing
// callback once per buffer of 1024 frames, about every 23 ms. A loader that holds the mixer's
// audio lock delays that callback; on a real device every such delay beyond one buffer is a
// dropout. Reported per load:
//   gap_ms   the longest interval between two mixing callbacks while the load ran;
//   call_ms  the longest a main-thread mixer call (halting an idle channel) waited meanwhile.
// The time is the load's own duration.
#include <SDL.h>
#include <SDL_mixer.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "core/audio.h"
#include "support/sound_files.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int TRACK_SECONDS = 120;
constexpr int IDLE_CHANNEL = 5;

// Times of the mixing callbacks, written by the audio thread.
std::array<std::atomic<std::int64_t>, 1 << 16> callbackTimes;
std::atomic<std::size_t> callbackCount = 0;

void SDLCALL recordCallback(void*, Uint8*, int) {
  const std::size_t i = callbackCount.fetch_add(1, std::memory_order_relaxed);
  if (i < callbackTimes.size())
    callbackTimes[i].store(Clock::now().time_since_epoch().count(), std::memory_order_relaxed);
}

struct Setup {
  std::unique_ptr<audio::Context> ctx;
  audio::Sound* tone = nullptr;
  std::string track;

  Setup() {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    SDL_Init(SDL_INIT_AUDIO);
    config::Config cfg;
    cfg.VolSound = 100;
    ctx = std::move(*audio::Init(cfg));

    auto dir = std::filesystem::temp_directory_path() / "orl-audio-bench";
    std::filesystem::create_directories(dir);
    track = (dir / "track.ogg").string();
    std::ofstream(track, std::ios::binary)
        << testsupport::OggBytes(audio::FREQUENCY, 2, long{audio::FREQUENCY} * TRACK_SECONDS);
    std::ofstream(dir / "tone.wav", std::ios::binary)
        << testsupport::WavBytes(audio::FREQUENCY, 2, audio::FREQUENCY);
    tone = *ctx->LoadSound((dir / "tone.wav").string());
    (void)ctx->PlaySoundLoop(tone);
    Mix_SetPostMix(recordCallback, nullptr);
  }
};

Setup& setup() {
  static Setup s;
  return s;
}

template <class Load>
void measure(benchmark::State& state, Load load) {
  Setup& s = setup();
  double worstGap = 0;
  double worstCall = 0;
  for (auto _ : state) {
    const std::size_t first = callbackCount.load();
    std::atomic<bool> finished = false;
    std::thread loader([&] {
      load(s);
      finished = true;
    });
    double call = 0;
    while (!finished) {
      auto t0 = Clock::now();
      Mix_HaltChannel(IDLE_CHANNEL);
      call = std::max(call, std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    loader.join();
    // One more callback closes the interval the load may have stretched.
    const std::size_t after = callbackCount.load();
    while (callbackCount.load() < after + 2)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const std::size_t last = std::min(callbackCount.load(), callbackTimes.size());
    // From the last callback before the load started.
    double gap = 0;
    for (std::size_t i = std::max<std::size_t>(first, 1); i < last; ++i)
      gap = std::max(gap, (callbackTimes[i] - callbackTimes[i - 1]) / 1e6);
    worstGap = std::max(worstGap, gap);
    worstCall = std::max(worstCall, call);
  }
  state.counters["gap_ms"] = worstGap;
  state.counters["call_ms"] = worstCall;
}

void BM_BackgroundLoadMixer(benchmark::State& state) {
  measure(state, [](Setup& s) { Mix_FreeChunk(Mix_LoadWAV(s.track.c_str())); });
}
BENCHMARK(BM_BackgroundLoadMixer)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_BackgroundLoadEngine(benchmark::State& state) {
  measure(state, [](Setup& s) { (void)audio::LoadChunk(s.track, s.ctx->format); });
}
BENCHMARK(BM_BackgroundLoadEngine)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
