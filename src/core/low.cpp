#include "core/low.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace core {
namespace {

std::string systemError(int err) { return std::strerror(err); }

// Closes a file descriptor on every path out of a function.
struct Fd {
  int fd = -1;
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
};

const std::array<std::string, 256> byte2hex = [] {
  std::array<std::string, 256> table;
  for (int i = 0; i < 256; ++i) {
    char buf[3];
    std::snprintf(buf, sizeof buf, "%02x", i);
    table[i] = buf;
  }
  return table;
}();

}  // namespace

Result<std::string> ReadFile(const std::string& fpath) {
  Fd f{::open(fpath.c_str(), O_RDONLY | O_CLOEXEC)};
  if (f.fd < 0) return Fail(systemError(errno));
  std::string content;
  char buf[65536];
  for (;;) {
    ssize_t n = ::read(f.fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      return Fail(systemError(errno));
    }
    if (n == 0) break;
    content.append(buf, static_cast<std::size_t>(n));
  }
  return content;
}

Result<void> WriteFileAtomic(const std::string& fpath, std::string_view bytes) {
  static std::atomic<unsigned> counter{0};
  std::string tmp = fpath + ".tmp-" + std::to_string(::getpid()) + "-" +
                    std::to_string(counter.fetch_add(1));
  auto failed = [&](int err) {
    ::unlink(tmp.c_str());
    return Fail(systemError(err));
  };
  {
    Fd f{::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0664)};
    if (f.fd < 0) return Fail(systemError(errno));
    for (std::size_t done = 0; done < bytes.size();) {
      ssize_t n = ::write(f.fd, bytes.data() + done, bytes.size() - done);
      if (n < 0) {
        if (errno == EINTR) continue;
        return failed(errno);
      }
      done += static_cast<std::size_t>(n);
    }
    if (::fsync(f.fd) != 0) return failed(errno);
    int fd = f.fd;
    f.fd = -1;
    if (::close(fd) != 0) return failed(errno);
  }
  if (::rename(tmp.c_str(), fpath.c_str()) != 0) return failed(errno);
  // Make the rename itself durable; a directory that cannot be synced changes nothing.
  auto slash = fpath.rfind('/');
  std::string dir = slash == std::string::npos ? "." : fpath.substr(0, slash + 1);
  Fd d{::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
  if (d.fd >= 0) ::fsync(d.fd);
  return {};
}

Result<void> MkdirAll(const std::string& dir) {
  for (std::size_t end = 0; end != std::string::npos;) {
    end = dir.find('/', end + 1);
    std::string part = dir.substr(0, end);
    if (part.empty()) continue;
    if (::mkdir(part.c_str(), 0775) != 0 && errno != EEXIST) return Fail(systemError(errno));
  }
  struct stat st {};
  if (::stat(dir.c_str(), &st) != 0) return Fail(systemError(errno));
  if (!S_ISDIR(st.st_mode)) return Fail(systemError(ENOTDIR));
  return {};
}

Result<void> DecodeJSONText(const std::string& fpath, void* dst, const json::Type& type) {
  TRY_ASSIGN(std::string text, ReadFile(fpath), "Cannot read json: ");
  TRY_PREFIX(json::Decode(text, dst, type), "Cannot unmarshal json data: ");
  return {};
}

Result<void> EncodeJSONText(const std::string& fpath, const void* src, const json::Type& type) {
  TRY_ASSIGN(std::string bytes, json::Encode(src, type), "Cannot marshal json data: ");
  TRY_PREFIX(WriteFileAtomic(fpath, bytes), "Cannot write json: ");
  return {};
}

Result<std::vector<std::string>> ReadStrings(const std::string& fpath) {
  TRY_ASSIGN(std::string text, ReadFile(fpath), "");
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t lf = text.find('\n', start);
    std::size_t end = lf == std::string::npos ? text.size() : lf;
    std::size_t cut = end;
    if (lf != std::string::npos && cut > start && text[cut - 1] == '\r') --cut;
    lines.emplace_back(text, start, cut - start);
    if (lf == std::string::npos) break;
    start = lf + 1;
  }
  return lines;
}

bool StringsHave(const std::vector<std::string>& s, const std::string& v) {
  for (const auto& e : s)
    if (e == v) return true;
  return false;
}

std::string RGB2Hex(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return byte2hex[red] + byte2hex[green] + byte2hex[blue];
}

}  // namespace core
