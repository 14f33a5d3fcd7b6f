// Loading animages from video files: a cinema is decoded whole, once, into frames in the
// screen buffer's encoding, so that drawing it never decodes.
#pragma once

#include <cstdint>
#include <stop_token>
#include <string>

#include "core/error.h"
#include "core/video/animage.h"

namespace video {

// Decodes every picture of the best video stream of the file at `fpath` into `animg`, in
// order, the decoder's delayed pictures included, each converted at its own size into
// blue, green, red, alpha bytes. `rate` makes one cycle last as long as the video. The
// animage is reset first; on an error it may hold some frames, and the caller discards it.
//
// The frames may take at most `budgetBytes` in all: a video whose announced size exceeds it
// is refused before decoding, and decoding stops with an error as soon as the frames so far
// would. A requested `stop` ends the load with an error between two packets, and within a
// blocking read.
[[nodiscard]] core::Result<void> loadFromVideo(Animage& animg, const std::string& fpath,
                                               std::uint64_t budgetBytes,
                                               std::stop_token stop = {});

}  // namespace video
