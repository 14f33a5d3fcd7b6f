// Fonts and text: TrueType fonts opened once at start and addressed by their index.
#pragma once

#include <string>

#include "core/error.h"
#include "core/video/video.h"

namespace video {

// Opens "fonts/" + fname at point size `size` and appends it to ctx.fonts, so the font's
// index is the number of fonts loaded before it. On failure nothing is appended.
[[nodiscard]] core::Result<void> LoadFont(Context& ctx, const std::string& fname, int size);

// Line height in pixels of the font at index `font`; 0 for an index that holds no font.
int FontHeight(const Context& ctx, Font font);

// Closes every font, in order.
void closeFonts(Context& ctx);

}  // namespace video
