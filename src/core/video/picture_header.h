// The size a picture file declares in its header, read without decoding the picture, so
// that a picture too large to hold in memory is refused before the decoder allocates it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace video {

struct PictureSize {
  std::int64_t width = 0;
  std::int64_t height = 0;
};

// The declared size of a PNG, JPEG, WEBP, TIFF, GIF, BMP or QOI file; nothing for a file
// that cannot be read, is of another kind, or whose header is cut short (the decoder then
// reports what is wrong with it).
std::optional<PictureSize> readPictureSize(const std::string& path);

// The kinds of picture the engine decodes, told by their first bytes.
enum class PictureKind { UNREADABLE, OTHER, PNG, JPEG, WEBP, TIFF, GIF, BMP, QOI };

// The kind of the picture file at `path`: UNREADABLE when it cannot be opened, OTHER when
// its first bytes are none of the kinds above.
PictureKind readPictureKind(const std::string& path);

}  // namespace video
