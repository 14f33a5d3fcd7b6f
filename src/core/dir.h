// Directory listings in the order the file system returns them (never sorted: data
// authors rely on neither order, and the engine keeps it as it comes).
#pragma once

#include <string>
#include <vector>

#include "core/error.h"

namespace core {

// An open directory; closed when it goes out of scope.
class Dir {
 public:
  // Opens `path` as a directory; the error is the operating system's text.
  [[nodiscard]] static Result<Dir> Open(const std::string& path);

  Dir(Dir&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
  Dir& operator=(Dir&&) = delete;
  Dir(const Dir&) = delete;
  ~Dir();

  // Every entry name but "." and "..", in the file system's order.
  [[nodiscard]] Result<std::vector<std::string>> Names();

 private:
  explicit Dir(void* handle) : handle_(handle) {}
  void* handle_;
};

// Whether `path` is a directory; the error is the operating system's text when `path`
// cannot be examined.
[[nodiscard]] Result<bool> IsDir(const std::string& path);

}  // namespace core
