// A PNG file's chunk structure, checked before the picture decoder sees it. The decoder
// reads through SDL_image, which does not stop at the end of a cut-short file: libpng then
// reads the same stale bytes again and again and never returns. A PNG whose chunks run
// past the end of the file, or that has no IEND chunk, is refused instead.
#pragma once

#include <string>

#include "core/error.h"

namespace video {

// Succeeds for a file that is not a PNG (other decoders judge it) and for a PNG whose
// chunks all lie within the file, up to and including IEND.
[[nodiscard]] core::Result<void> checkPngChunks(const std::string& fpath);

}  // namespace video
