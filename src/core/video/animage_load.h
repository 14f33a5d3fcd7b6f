// Loading animages from picture files: one picture gives a still; when the path is no
// loadable picture, the numbered pictures of the directory of the same name (without the
// extension) give an animation — "a/b.png" is either that picture or a/b/0001.png,
// a/b/0002.png, … up to the first gap.
#pragma once

#include <string>

#include "core/error.h"
#include "core/video/animage.h"

struct SDL_Surface;

namespace video {

// The largest width or height of a picture the engine loads; a header declaring more is
// refused before anything is decoded.
constexpr int ANIMAGE_MAX_SIDE = 16384;

// Decodes one picture file into a frame in the screen buffer's encoding.
[[nodiscard]] core::Result<Frame> loadFrame(const std::string& fpath);

// Copies the rows of a 32-bit surface whose bytes are blue, green, red, alpha into
// `pixels` (width × height × 4 bytes, rows without gaps).
void surface32topixels(SDL_Surface* surface, std::uint8_t* pixels);

}  // namespace video
