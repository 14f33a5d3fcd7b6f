// A fresh temporary directory that a test works in; the previous working directory is
// restored and the directory removed afterwards.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace testsupport {

class TempDir {
 public:
  explicit TempDir(bool enter = true) : enter_(enter) {
    std::string pattern = (std::filesystem::temp_directory_path() / "orl-test-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
    if (enter_) {
      previous_ = std::filesystem::current_path();
      std::filesystem::current_path(path_);
    }
  }
  ~TempDir() {
    if (enter_) std::filesystem::current_path(previous_);
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }

  // Writes `bytes` to the file `name` inside the directory (parents created).
  void Write(const std::string& name, const std::string& bytes) const {
    auto p = path_ / name;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
  }

  std::string Read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

 private:
  bool enter_;
  std::filesystem::path path_;
  std::filesystem::path previous_;
};

}  // namespace testsupport
