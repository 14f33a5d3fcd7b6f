// Fonts and text: TrueType fonts opened once at start and addressed by their index.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "core/error.h"
#include "core/video/animage.h"
#include "core/video/video.h"

namespace video {

// Opens "fonts/" + fname at point size `size` and appends it to ctx.fonts, so the font's
// index is the number of fonts loaded before it. On failure nothing is appended.
[[nodiscard]] core::Result<void> LoadFont(Context& ctx, const std::string& fname, int size);

// Line height in pixels of the font at index `font`; 0 for an index that holds no font.
int FontHeight(const Context& ctx, Font font);

// Closes every font, in order.
void closeFonts(Context& ctx);

// Rendered text: a one-frame animage holding the text colour in every pixel and the glyph
// coverage in the alpha byte. It belongs to its maker (no Clean releases it).
struct TextImage {
  std::unique_ptr<Animage> image;  // null for empty text, an invalid font or a failure
  int w = 0;
  int h = 0;
};

// Renders `str` (UTF-8) in `font`; with `wrapped`, broken into lines no wider than `width`
// pixels as far as words allow.
TextImage MakeStrImage(Context& ctx, Font font, const std::string& str, bool wrapped, int width,
                       std::uint8_t red, std::uint8_t green, std::uint8_t blue);

// Draws a text image with its top-left corner at (x, y) from the screen centre, over a
// black box of opacity `shade` exactly its size.
void DrawStrImage(Context& ctx, const Animage* txtimg, int x, int y, std::uint8_t shade);

// Renders one line and draws it like DrawStrImage; with `fit` the box is moved onto the
// screen. Returns the rendered size, (0, 0) when nothing was drawn.
std::pair<int, int> DrawStr(Context& ctx, Font font, const std::string& str, int x, int y,
                            bool fit, std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                            std::uint8_t shade);

// The same, wrapped at `width` pixels.
std::pair<int, int> DrawStrWrapped(Context& ctx, Font font, const std::string& str, int width,
                                   int x, int y, bool fit, std::uint8_t red, std::uint8_t green,
                                   std::uint8_t blue, std::uint8_t shade);

}  // namespace video
