// Animated images: every picture the engine shows is an Animage, an ordered list of equally
// sized frames of which one, the current frame, is drawn at any moment. The current frame
// and the fraction of the way to the next one follow the engine clock, so that drawing can
// blend two consecutive frames and short animations still move smoothly.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "core/video/frame_pixels.h"
#include "core/video/pixel.h"

namespace video {

// One picture: width × height pixels of 4 bytes (blue, green, red, alpha), rows top to
// bottom without gaps — the screen buffer's own encoding.
struct Frame {
  int width = 0;
  int height = 0;
  FramePixels pixels;
};

struct Animage {
  // Set by the cinema pair once a video has finished loading into the animage; the
  // loading thread sets it (release) and the main thread reads it (acquire), so the frames
  // are complete whenever it reads true.
  std::atomic<bool> ready = false;
  std::vector<Frame> frames;
  int curr = 0;            // current frame, 0 ≤ curr < frames.size()
  double fract = 0;        // way from the current frame to the next, 0 ≤ fract < 1
  double rate = 0;         // cycles (frame 0 to the last frame) per second; ≤ 0 stands still
  std::int64_t start = 0;  // engine tick at which cycle position 0 lies
  int repeats = 0;         // −1 loops for ever; r ≥ 0 holds the last frame after r + 1 cycles

  // Starts the animation: from frame 0 at tick `start`.
  void Run(double rate, std::int64_t start, int repeats);
  // Moves curr and fract to the engine tick `ticks`.
  void sync(std::int64_t ticks);
  // Back to a fresh, empty animage (the video loader fills it again).
  void reset();
  // Releases the pixels of every frame and empties `frames`; the rest stays.
  void destroy();

  // Size of frame i, 0 when there is no frame i.
  int W(int i) const;
  int H(int i) const;
  int W0() const { return W(0); }
  int H0() const { return H(0); }

  // The pixel at column x, row y of frame f in the frame's own coordinates; all zero
  // outside the frame or when there is no frame f.
  Color GetPixel(int f, int x, int y) const;
  Color GetPixel0(int x, int y) const { return GetPixel(0, x, y); }
};

}  // namespace video
