// Small frames and buffers for the drawing tests.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "core/video/animage.h"
#include "core/video/pixel.h"

namespace testsupport {

// A frame of w × h pixels all of one colour.
inline video::Frame solidFrame(int w, int h, video::Color c) {
  video::Frame f{w, h, std::vector<std::uint8_t>(static_cast<std::size_t>(w) * h * 4)};
  for (std::size_t i = 0; i < f.pixels.size(); i += 4) {
    f.pixels[i] = c.B;
    f.pixels[i + 1] = c.G;
    f.pixels[i + 2] = c.R;
    f.pixels[i + 3] = c.A;
  }
  return f;
}

inline video::Frame randomFrame(int w, int h, std::mt19937& rng) {
  video::Frame f{w, h, std::vector<std::uint8_t>(static_cast<std::size_t>(w) * h * 4)};
  for (auto& b : f.pixels) b = static_cast<std::uint8_t>(rng());
  return f;
}

// A destination buffer.
struct Screen {
  int w, h;
  std::vector<std::uint8_t> px;
  Screen(int w_, int h_, std::uint8_t fill = 0)
      : w(w_), h(h_), px(static_cast<std::size_t>(w_) * h_ * 4, fill) {}
  video::Canvas canvas() { return {px.data(), w, h}; }
  std::uint8_t* at(int x, int y) { return &px[(static_cast<std::size_t>(y) * w + x) * 4]; }
};

}  // namespace testsupport
