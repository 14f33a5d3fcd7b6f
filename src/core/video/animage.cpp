#include "core/video/animage.h"

#include <cmath>

namespace video {

void Animage::Run(double rate_, std::int64_t start_, int repeats_) {
  rate = rate_;
  start = start_;
  repeats = repeats_;
  curr = 0;
  fract = 0;
}

void Animage::sync(std::int64_t ticks) {
  const auto n = static_cast<std::int64_t>(frames.size());
  if (n <= 1 || rate <= 0) return;
  // Before its start an animation rests on its first frame (a negative cycle position
  // would otherwise give a negative frame index).
  if (ticks < start) {
    curr = 0;
    fract = 0;
    return;
  }
  // One cycle runs from frame 0 to the last frame, that is over n − 1 frame steps.
  const double cyclepos = (rate * static_cast<double>(ticks - start)) * 0.001;
  const double framepos = static_cast<double>(n - 1) * cyclepos;
  const auto iframe = static_cast<std::int64_t>(std::floor(framepos));
  if (repeats == -1 || static_cast<std::int64_t>(std::floor(cyclepos)) <= repeats) {
    curr = static_cast<int>(iframe % n);
    fract = std::fmod(framepos, 1.0);
  } else {
    // Out of repeats: the last frame, unblended, for ever.
    curr = static_cast<int>(n - 1);
    fract = 0;
  }
}

void Animage::reset() {
  ready.store(false, std::memory_order_release);
  frames.clear();
  curr = 0;
  fract = 0;
  rate = 0;
  start = 0;
  repeats = 0;
}

void Animage::destroy() {
  // swap with an empty list so that the memory itself goes back, not only the sizes
  std::vector<Frame>().swap(frames);
}

int Animage::W(int i) const {
  if (i < 0 || i >= static_cast<int>(frames.size())) return 0;
  return frames[static_cast<std::size_t>(i)].width;
}

int Animage::H(int i) const {
  if (i < 0 || i >= static_cast<int>(frames.size())) return 0;
  return frames[static_cast<std::size_t>(i)].height;
}

Color Animage::GetPixel(int f, int x, int y) const {
  if (f < 0 || f >= static_cast<int>(frames.size())) return {};
  const Frame& fr = frames[static_cast<std::size_t>(f)];
  if (x < 0 || y < 0 || x >= fr.width || y >= fr.height) return {};
  const std::uint8_t* p = fr.pixels.data() + (static_cast<std::size_t>(y) * fr.width + x) * 4;
  return Color{p[2], p[1], p[0], p[3]};
}

}  // namespace video
