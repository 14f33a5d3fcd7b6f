#include "core/dir.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace core {

Result<Dir> Dir::Open(const std::string& path) {
  DIR* d = ::opendir(path.c_str());
  if (!d) return Fail(std::strerror(errno));
  return Dir(d);
}

Dir::~Dir() {
  if (handle_) ::closedir(static_cast<DIR*>(handle_));
}

Result<std::vector<std::string>> Dir::Names() {
  std::vector<std::string> names;
  for (;;) {
    errno = 0;
    const dirent* e = ::readdir(static_cast<DIR*>(handle_));
    if (!e) {
      if (errno != 0) return Fail(std::strerror(errno));
      return names;
    }
    if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0) continue;
    names.emplace_back(e->d_name);
  }
}

Result<bool> IsDir(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return Fail(std::strerror(errno));
  return S_ISDIR(st.st_mode);
}

}  // namespace core
