#include "core/video/picture_header.h"

#include <array>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace video {
namespace {

// Reads n bytes at offset `at`; false when the file is shorter.
bool readAt(std::ifstream& in, std::int64_t at, void* dst, std::size_t n) {
  in.clear();
  in.seekg(at);
  in.read(static_cast<char*>(dst), static_cast<std::streamsize>(n));
  return in && in.gcount() == static_cast<std::streamsize>(n);
}

std::uint32_t be16(const std::uint8_t* p) { return (p[0] << 8) | p[1]; }
std::uint32_t be32(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
}
std::uint32_t le16(const std::uint8_t* p) { return p[0] | (p[1] << 8); }
std::uint32_t le24(const std::uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16); }
std::uint32_t le32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t{p[3]} << 24);
}

std::optional<PictureSize> jpegSize(std::ifstream& in) {
  // Walk the marker segments up to the first start-of-frame, which holds the size.
  std::int64_t at = 2;
  for (int guard = 0; guard < 100000; ++guard) {
    std::uint8_t m[2];
    if (!readAt(in, at, m, 2) || m[0] != 0xFF) return std::nullopt;
    if (m[1] == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    const std::uint8_t marker = m[1];
    at += 2;
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) continue;  // no length
    if (marker == 0xD9 || marker == 0xDA) return std::nullopt;           // no frame header first
    std::uint8_t seg[7];
    if (!readAt(in, at, seg, 2)) return std::nullopt;
    const bool sof =
        marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (sof) {
      if (!readAt(in, at, seg, 7)) return std::nullopt;
      // A height of 0 is given later in the stream; leave such files to the decoder.
      if (be16(seg + 3) == 0) return std::nullopt;
      return PictureSize{be16(seg + 5), be16(seg + 3)};
    }
    at += be16(seg);
  }
  return std::nullopt;
}

std::optional<PictureSize> webpSize(const std::uint8_t* h) {
  if (std::memcmp(h + 12, "VP8 ", 4) == 0)
    return PictureSize{le16(h + 26) & 0x3FFF, le16(h + 28) & 0x3FFF};
  if (std::memcmp(h + 12, "VP8L", 4) == 0 && h[20] == 0x2F) {
    const std::uint32_t bits = le32(h + 21);
    return PictureSize{(bits & 0x3FFF) + 1, ((bits >> 14) & 0x3FFF) + 1};
  }
  if (std::memcmp(h + 12, "VP8X", 4) == 0) return PictureSize{le24(h + 24) + 1, le24(h + 27) + 1};
  return std::nullopt;
}

std::optional<PictureSize> tiffSize(std::ifstream& in, bool little) {
  auto u16 = [little](const std::uint8_t* p) { return little ? le16(p) : be16(p); };
  auto u32 = [little](const std::uint8_t* p) { return little ? le32(p) : be32(p); };
  std::uint8_t b[12];
  if (!readAt(in, 4, b, 4)) return std::nullopt;
  const std::int64_t ifd = u32(b);
  if (!readAt(in, ifd, b, 2)) return std::nullopt;
  const std::uint32_t count = u16(b);
  PictureSize size;
  for (std::uint32_t i = 0; i < count; ++i) {
    if (!readAt(in, ifd + 2 + 12 * std::int64_t{i}, b, 12)) return std::nullopt;
    const std::uint32_t tag = u16(b), type = u16(b + 2);
    if (tag != 256 && tag != 257) continue;
    const std::int64_t value = type == 3 ? u16(b + 8) : type == 4 ? u32(b + 8) : -1;
    if (value < 0) return std::nullopt;
    (tag == 256 ? size.width : size.height) = value;
  }
  if (size.width == 0 || size.height == 0) return std::nullopt;
  return size;
}

}  // namespace

namespace {

// The kind told by the first bytes of a file (`got` of them read into p).
PictureKind kindOf(const std::uint8_t* p, std::size_t got) {
  static const std::uint8_t PNG[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (got >= 8 && std::memcmp(p, PNG, 8) == 0) return PictureKind::PNG;
  if (got >= 3 && p[0] == 0xFF && p[1] == 0xD8 && p[2] == 0xFF) return PictureKind::JPEG;
  if (got >= 12 && std::memcmp(p, "RIFF", 4) == 0 && std::memcmp(p + 8, "WEBP", 4) == 0)
    return PictureKind::WEBP;
  if (got >= 4 && (std::memcmp(p, "II*\0", 4) == 0 || std::memcmp(p, "MM\0*", 4) == 0))
    return PictureKind::TIFF;
  if (got >= 6 && (std::memcmp(p, "GIF87a", 6) == 0 || std::memcmp(p, "GIF89a", 6) == 0))
    return PictureKind::GIF;
  if (got >= 2 && p[0] == 'B' && p[1] == 'M') return PictureKind::BMP;
  if (got >= 4 && std::memcmp(p, "qoif", 4) == 0) return PictureKind::QOI;
  return PictureKind::OTHER;
}

}  // namespace

PictureKind readPictureKind(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return PictureKind::UNREADABLE;
  std::uint8_t h[12] = {};
  in.read(reinterpret_cast<char*>(h), sizeof h);
  return kindOf(h, static_cast<std::size_t>(in.gcount()));
}

std::optional<PictureSize> readPictureSize(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::array<std::uint8_t, 32> h{};
  in.read(reinterpret_cast<char*>(h.data()), h.size());
  const auto got = static_cast<std::size_t>(in.gcount());
  const std::uint8_t* p = h.data();

  switch (kindOf(p, got)) {
    case PictureKind::PNG:
      if (got >= 24 && std::memcmp(p + 12, "IHDR", 4) == 0)
        return PictureSize{be32(p + 16), be32(p + 20)};
      return std::nullopt;
    case PictureKind::JPEG: return jpegSize(in);
    case PictureKind::WEBP: return got >= 30 ? webpSize(p) : std::nullopt;
    case PictureKind::TIFF: return got >= 8 ? tiffSize(in, p[0] == 'I') : std::nullopt;
    case PictureKind::GIF: return got >= 10 ? std::optional(PictureSize{le16(p + 6), le16(p + 8)}) : std::nullopt;
    case PictureKind::BMP:
      if (got < 26) return std::nullopt;
      if (le32(p + 14) == 12) return PictureSize{le16(p + 18), le16(p + 20)};
      // Height is negative for top-down rows.
      return PictureSize{std::llabs(static_cast<std::int32_t>(le32(p + 18))),
                         std::llabs(static_cast<std::int32_t>(le32(p + 22)))};
    case PictureKind::QOI: return got >= 12 ? std::optional(PictureSize{be32(p + 4), be32(p + 8)}) : std::nullopt;
    default: return std::nullopt;
  }
}

}  // namespace video
