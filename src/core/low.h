// Data-file helpers (JSON files, text files by lines) and the small numeric helpers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/error.h"
#include "core/json.h"

namespace core {

// The whole content of a file; the error is the operating system's text.
[[nodiscard]] Result<std::string> ReadFile(const std::string& fpath);

// Replaces fpath with `bytes` so that a crash or a full disk never leaves a half-written
// file: the bytes go to a temporary file in the same directory, reach the disk, and the
// temporary file is renamed over fpath. A new file gets permission bits 0664 (before the
// umask). The error is the operating system's text.
[[nodiscard]] Result<void> WriteFileAtomic(const std::string& fpath, std::string_view bytes);

// Creates the directory `dir` and every missing parent with permission bits 0775 (before
// the umask). An existing directory is left as it is. The error is the operating system's.
[[nodiscard]] Result<void> MkdirAll(const std::string& dir);

[[nodiscard]] Result<void> DecodeJSONText(const std::string& fpath, void* dst,
                                          const json::Type& type);
[[nodiscard]] Result<void> EncodeJSONText(const std::string& fpath, const void* src,
                                          const json::Type& type);

// Reads the file's single JSON value into *dst.
template <class T>
[[nodiscard]] Result<void> DecodeJSON(const std::string& fpath, T* dst) {
  return DecodeJSONText(fpath, dst, json::TypeOf<T>());
}

// Writes src as compact JSON, creating or replacing the file.
template <class T>
[[nodiscard]] Result<void> EncodeJSON(const std::string& fpath, const T& src) {
  return EncodeJSONText(fpath, &src, json::TypeOf<T>());
}

// The file's lines without their line feeds. One carriage return right before a line feed
// is dropped too, and a last line without a line feed is kept, so files saved with CR LF or
// without a final newline read like their plain counterparts. The error is the operating
// system's text, unprefixed.
[[nodiscard]] Result<std::vector<std::string>> ReadStrings(const std::string& fpath);

bool StringsHave(const std::vector<std::string>& s, const std::string& v);

// Six lower-case hex digits, red first: the name of a zone colour.
std::string RGB2Hex(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

constexpr int IMin(int a, int b) { return a < b ? a : b; }
constexpr int IMax(int a, int b) { return a > b ? a : b; }
constexpr int IAbs(int a) { return a < 0 ? -a : a; }
// 1 for positive values, -1 otherwise (also for 0).
constexpr int ISign(int a) { return a > 0 ? 1 : -1; }
// The smooth step t·t·(3 − 2t); t is not clamped.
constexpr double CubicTrans(double t) { return t * t * (3 - 2 * t); }

}  // namespace core
