// Fuzz targets: the JSON mechanism and the verse loader on untrusted bytes. Built into
// libFuzzer programs (cmake -DORL_FUZZ=ON with clang) and into the test program, which
// replays the seed corpus as an ordinary test.
#pragma once

#include <cstddef>
#include <cstdint>

namespace core {
class Context;
}

namespace fuzz {

// Decodes the bytes as every kind of data file; what decodes must write and read back to
// the same bytes.
int Json(const std::uint8_t* data, std::size_t size);

// Unpacks the bytes into a verse directory "verses/f/" of the working directory and loads
// it, and the catalogue. The bytes are entries "=== relative/path\n" each followed by the
// file's content; a path ending in "/" makes a directory.
int Verse(core::Context& ctx, const std::uint8_t* data, std::size_t size);

}  // namespace fuzz
