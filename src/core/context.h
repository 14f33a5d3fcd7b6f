// The engine context: the one record through which every screen and every master reaches
// video, time (and, as they join, input, audio and language).
#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <string>

#include "core/config.h"
#include "core/error.h"
#include "core/time.h"
#include "core/video/video.h"

namespace core {

// The process-wide random source, seeded once by Init.
std::mt19937_64& Random();

class Context {
 public:
  std::unique_ptr<video::Context> video;
  std::unique_ptr<time::Context> time;

  // One frame step: the clock, then the video module's pacing and presentation.
  void Sync();
  // Halts every sound.
  void Stop();
  // Releases what a screen loaded; the window, the fonts and the mixer stay.
  void Clean();
  // Shuts the engine down.
  void Drop();

  // Line height of the font in `font`, 0 for a slot that holds no font.
  int FontHeight(video::Font font) const;
  // Engine time in milliseconds, the same for every reader between two Syncs.
  std::int64_t GetTime() const;

  void LockDraw() { video->LockDraw(); }
  void VideoClear() { video->Clear(); }
  void VideoForceClear() { video->ForceClear(); }
  void VideoForceShow() { video->ForceShow(); }
  int VideoW() const { return video->W(); }
  int VideoH() const { return video->H(); }
  double VideoFPS() const { return video->FPS(); }
  int VideoNumCPU() const { return video->NumCPU(); }

  // Pictures and primitives.
  [[nodiscard]] Result<std::shared_ptr<video::Animage>> LoadAnimage(const std::string& path) {
    return video->LoadAnimage(path);
  }
  // Starts the animage's animation now (the engine clock is its start).
  void RunAnimage(video::Animage* animg, double rate, int repeats);
  void DrawAnimage(const video::Animage* animg, int x, int y, bool smooth, bool center) {
    video->DrawAnimage(animg, x, y, smooth, center);
  }
  void DrawRect(int x, int y, int w, int h, std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                std::uint8_t alpha, bool fill) {
    video->DrawRect(x, y, w, h, red, green, blue, alpha, fill);
  }
  void DrawCircle(int x, int y, int r, std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                  std::uint8_t alpha) {
    video->DrawCircle(x, y, r, red, green, blue, alpha);
  }
};

// Initialises SDL and the modules in their fixed order. A failure returns no context and
// tears nothing down.
[[nodiscard]] Result<std::unique_ptr<Context>> Init(config::Config* cfg);

}  // namespace core
