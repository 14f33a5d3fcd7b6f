// The window, its software screen buffer and the frame pacing.
//
// Everything shown is composited by the CPU into `pixels` (4 bytes per pixel: blue, green,
// red, alpha; rows top to bottom without gaps); once per presented frame the buffer is
// uploaded into one streaming texture and presented. Drawing positions are relative to
// the screen centre.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/config.h"
#include "core/error.h"

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
  std::vector<TTF_Font*> fonts;   // open fonts, addressed by their index (a Font slot)
  int numshows = 0;               // frames presented since Init
  double fps = 0;                 // average presented frames per second since the clock started

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

  // Releases what a screen loaded.
  void Clean();
  // Releases fonts, the image and font libraries, the texture, the renderer and the window.
  void Drop();

  [[nodiscard]] core::Result<void> show();
  void clear();
};

// Opens the window in the configured mode and writes its real size back into cfg's
// XRes and YRes. Errors carry the library's text.
[[nodiscard]] core::Result<std::unique_ptr<Context>> Init(config::Config& cfg);

}  // namespace video
