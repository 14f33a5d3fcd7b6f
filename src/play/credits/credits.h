// The credits: the lines of the language's credits file scroll up over a looping cinema
// with its own music, then the menu follows. Any held key ends them early; F10 ends the
// program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/context.h"
#include "core/error.h"
#include "core/video/text.h"
#include "play/state.h"

namespace credits {

inline constexpr char CREDITS_FILE[] = "credits.txt";
inline constexpr char CREDITS_CINEMA[] = "cinemas/credits.mp4";
inline constexpr char CREDITS_MUSIC[] = "sounds/musics/credits.ogg";
inline constexpr int CREDITS_SPACING = 2;  // pixels between two lines
inline constexpr int CREDITS_SPEED = 37;   // pixels per second

// How far the text travels: from the first line's top at the bottom edge until the last
// line has left the top edge.
int ScrollLength(std::size_t numLines, int fontHeight, int screenHeight);
// How long that takes, in milliseconds.
double ScrollDuration(int scrollLength);

struct Credits {
  std::vector<std::string> credits;  // the lines, in file order
  std::int64_t start = 0;            // engine time of the first frame
  int vh = 0;                        // screen height
  int sh = 0;                        // line height of the CREDITS font
  int length = 0;                    // scroll length in pixels
  double duration = 0;               // in milliseconds
  // Text images of the lines on screen, by line index: a line is rendered when it enters
  // the visible band and released when it leaves.
  std::map<std::size_t, video::TextImage> rendered;
  // Whether a frame has seen no key held. The key that chose the credits in the menu is
  // often still down when they start; it must not end them before they are seen.
  bool keysReleased = false;

  // Everything before the first frame: the successor "META", the text, the cinema, the
  // music, the clock's start. Fails only when the credits file cannot be read.
  [[nodiscard]] core::Result<void> Start(core::Context& ctx, play::States& st);
  // One frame, after the engine's Sync. True when the credits are over: the last line has
  // left, F10 was pressed (the program ends), or a key is held (the menu follows) that
  // was not already held when the credits started.
  bool Frame(core::Context& ctx, play::States& st);

 private:
  void drawLines(core::Context& ctx, double fract);
};

// The play "CREDITS".
[[nodiscard]] core::Result<void> Play(core::Context& ctx, play::States& st);

}  // namespace credits
