// The window, its software screen buffer and the frame pacing.
//
// Everything shown is composited by the CPU into `pixels` (4 bytes per pixel: blue, green,
// red, alpha; rows top to bottom without gaps); once per presented frame the buffer is
// uploaded into one streaming texture and presented. Drawing positions are relative to
// the screen centre.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/config.h"
#include "core/error.h"
#include "core/handover.h"
#include "core/video/animage.h"
#include "core/video/animage_pair.h"
#include "core/video/bands.h"
#include "core/video/pixel.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
typedef struct _TTF_Font TTF_Font;

namespace video {

// A font slot: the index of a loaded font in `Context::fonts`.
using Font = int;

constexpr int DISPLAY_INDEX = 0;

struct Context {
  // Set when a frame's drawing is complete, cleared once it has been presented; while set
  // every drawing call is a no-op, so a frame reaches the screen exactly as drawn however
  // often the screen loop spins before the next presentation.
  bool drawlock = false;
  int numcpu = 1;  // bands of scaled drawing
  int width = 0;
  int height = 0;
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* screen = nullptr;
  std::vector<std::uint8_t> pixels;  // the screen buffer, width × height × 4 bytes
  int framerate = 0;
  std::int64_t lastsynctick = 0;  // engine tick of the last presentation
  // Every animage loaded by LoadAnimage since the last Clean, in loading order. Holders of
  // one keep the object alive; Clean releases its pixels, so after it the animage has no
  // frames and draws nothing.
  std::vector<std::shared_ptr<Animage>> animages;
  // The two cinema slots, empty from the start; a cinema loads into the idle one in the
  // background while the current one plays.
  std::unique_ptr<AnimagePair> cinemasPair = std::make_unique<AnimagePair>();
  std::vector<TTF_Font*> fonts;  // open fonts, addressed by their index (a Font slot)
  int numshows = 0;              // frames presented since Init
  double fps = 0;                // average presented frames per second since the clock started
  // Worker threads for the bands of scaled drawing, numcpu − 1 of them (the drawing thread
  // takes a band too); made by Init, joined by Drop. Without it bands run one by one.
  std::unique_ptr<Bands> bands;

  // One pass of a screen loop: presents the finished frame when 1000 / framerate
  // milliseconds have passed since the last presentation, and then lifts the draw lock.
  void Sync(std::int64_t ticks);

  void LockDraw() { drawlock = true; }
  void UnlockDraw() { drawlock = false; }
  // Clears the screen buffer unless the draw lock is set.
  void Clear();
  // Clear and show regardless of the lock and of the pacing (a black frame between screens).
  void ForceClear() { clear(); }
  void ForceShow() { (void)show(); }

  int W() const { return width; }
  int H() const { return height; }
  int NumCPU() const { return numcpu; }
  double FPS() const { return fps; }

  // Loads a picture, or the numbered sequence of the same name, and registers it.
  [[nodiscard]] core::Result<std::shared_ptr<Animage>> LoadAnimage(const std::string& apath);

  // Drawing, positions relative to the screen centre; every call is a no-op while the
  // draw lock is set. The current frame, pixel for pixel by its own alpha, its centre or
  // its top-left corner at (x, y); with `smooth` mixed with the next frame.
  void DrawAnimage(const Animage* animg, int x, int y, bool smooth, bool center);
  // The current frame resampled to w × h at top-left (x, y) with opacity alpha (0 … 256);
  // with `mix` mixed with the next frame.
  void DrawAnimageScaled(const Animage* animg, int x, int y, int w, int h, int alpha, bool mix);
  // A w × h rectangle at top-left (x, y), filled or as a one-pixel outline.
  void DrawRect(int x, int y, int w, int h, std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                std::uint8_t alpha, bool fill);
  // A one-pixel circle of radius r around (x, y).
  void DrawCircle(int x, int y, int r, std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                  std::uint8_t alpha);

  // Cinemas. Loads the video at `cpath` into the idle slot in the background, looping for
  // ever from engine tick 0; `sem` receives true once when the load has ended, whatever
  // came of it (a failed load leaves the slot empty).
  void LoadRunCinemaAsync(const std::string& cpath, core::Handover<bool> sem);
  // The loaded cinema becomes current and the previous one is released; skipped while a
  // load runs.
  void FlipCinemas();
  // The current cinema, opaque, as large as fits the screen and centred.
  void DrawCinemaSingle();
  // The change from the current cinema to the loaded one at progress lambda (0 … 1): the
  // loaded cinema grows out of the rectangle of the current one centred at rectCenter (the
  // current cinema's own pixels, origin at its top-left) and rectWidth wide, both fading;
  // with a negative rectWidth a plain cross-fade. The current cinema alone while the other
  // one is not ready.
  void DrawCinemaTransit(double lambda, std::array<int, 2> rectCenter, int rectWidth);
  // `cinema` fitted to the screen and centred with opacity alpha; nothing unless ready.
  void drawCinemaSingleAlpha(const Animage* cinema, int alpha);

  // The screen buffer as a drawing destination.
  Canvas canvas() { return Canvas{pixels.data(), width, height}; }

  // Releases what a screen loaded: the registered animages, and both cinemas after a
  // running cinema load has been stopped.
  void Clean();
  // Releases the pixels of every registered animage and empties the registry.
  void cleanAnimages();
  // Stops a running cinema load and releases both cinemas; joins the band workers;
  // releases fonts, the image and font libraries, the texture, the renderer and the window.
  void Drop();

  [[nodiscard]] core::Result<void> show();
  void clear();
};

// Opens the window in the configured mode and writes its real size back into cfg's
// XRes and YRes. Errors carry the library's text.
[[nodiscard]] core::Result<std::unique_ptr<Context>> Init(config::Config& cfg);

}  // namespace video
