// Drives a screen frame by frame: the engine clock set by the test rather than read from
// SDL, key presses and clicks pushed into SDL's queue, held keys through the input
// module's keyboard view, and pixels read from the screen buffer.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/context.h"
#include "core/video/pixel.h"

namespace testsupport {

class Frames {
 public:
  explicit Frames(core::Context& ctx)
      : ctx_(ctx), held_(static_cast<std::size_t>(ctx.input->numKeys), 0) {
    ctx.input->keyboardState = held_;
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  }

  // A key goes down (and comes up again) before the next frame.
  void Press(int scancode) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.scancode = static_cast<SDL_Scancode>(scancode);
    ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError();
  }
  // A key held down from now on, or released.
  void Hold(int scancode, bool down = true) { held_[static_cast<std::size_t>(scancode)] = down; }
  void Click(std::uint8_t sdlButton) {
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = sdlButton;
    ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError();
  }

  // The engine's Sync with the clock at `ticks`: time, input, then video, which presents
  // the previous frame and lifts the draw lock (tests run at 1000 frames per second, so
  // every later millisecond is due).
  void SyncAt(std::int64_t ticks) {
    ctx_.time->ticks = ticks;
    ctx_.input->Sync();
    ctx_.video->Sync(ticks);
  }
  // The same `ms` milliseconds after the clock's last time.
  void Sync(std::int64_t ms = 1) { SyncAt(ctx_.GetTime() + ms); }

  // The screen buffer's pixel at (x, y) from the screen centre.
  video::Color Pixel(int x, int y) const {
    const auto& v = *ctx_.video;
    const std::uint8_t* p =
        &v.pixels[(static_cast<std::size_t>((v.height >> 1) + y) * v.width + (v.width >> 1) + x) *
                  4];
    return {p[2], p[1], p[0], 0};
  }
  // Whether any pixel of the screen buffer is not black.
  bool AnyLit() const {
    const auto& px = ctx_.video->pixels;
    for (std::size_t i = 0; i < px.size(); i += 4)
      if (px[i] || px[i + 1] || px[i + 2]) return true;
    return false;
  }

 private:
  core::Context& ctx_;
  std::vector<std::uint8_t> held_;
};

}  // namespace testsupport
