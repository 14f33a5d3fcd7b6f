#include "core/video/png_check.h"

#include <cstdint>
#include <cstring>
#include <fstream>

namespace video {
namespace {

std::uint32_t bigEndian32(const unsigned char* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
         p[3];
}

}  // namespace

core::Result<void> checkPngChunks(const std::string& fpath) {
  static const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::ifstream in(fpath, std::ios::binary);
  if (!in) return {};
  unsigned char head[8];
  if (!in.read(reinterpret_cast<char*>(head), 8) || std::memcmp(head, signature, 8) != 0) return {};
  in.seekg(0, std::ios::end);
  const std::int64_t size = in.tellg();
  std::int64_t pos = 8;
  // Each chunk: length (4 bytes, at most 2^31 − 1), type (4), data, CRC (4).
  while (pos + 12 <= size) {
    unsigned char chunk[8];
    in.seekg(pos);
    if (!in.read(reinterpret_cast<char*>(chunk), 8)) break;
    const std::uint32_t length = bigEndian32(chunk);
    if (length > 0x7fffffffu) break;
    pos += 12 + static_cast<std::int64_t>(length);
    if (pos > size) break;
    if (std::memcmp(chunk + 4, "IEND", 4) == 0) return {};
  }
  return core::Fail("Picture '" + fpath + "' is damaged: its PNG chunks end before IEND");
}

}  // namespace video
