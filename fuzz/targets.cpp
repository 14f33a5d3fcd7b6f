#include "fuzz/targets.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "core/config.h"
#include "core/context.h"
#include "core/json.h"
#include "play/font.h"
#include "play/verse/verse_load.h"

namespace fuzz {
namespace {

template <class T>
void roundTrip(std::string_view text) {
  T value{};
  if (!core::json::Decode(text, &value, core::json::TypeOf<T>())) return;
  auto once = core::json::Encode(&value, core::json::TypeOf<T>());
  if (!once) return;  // a number JSON cannot hold
  T again{};
  auto back = core::json::Decode(*once, &again, core::json::TypeOf<T>());
  if (!back) std::abort();  // the engine cannot read what it wrote
  auto twice = core::json::Encode(&again, core::json::TypeOf<T>());
  if (!twice || *twice != *once) std::abort();
}

// Whether an archive path stays inside the verse directory and is reasonably small.
bool safePath(std::string_view p) {
  if (p.empty() || p.size() > 120 || p.front() == '/') return false;
  int depth = 0;
  std::size_t start = 0;
  while (start < p.size()) {
    std::size_t end = p.find('/', start);
    if (end == std::string_view::npos) end = p.size();
    std::string_view part = p.substr(start, end - start);
    if (part.empty() || part == "." || part == "..") return false;
    for (char c : part)
      if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '_' || c == '-'))
        return false;
    if (++depth > 8) return false;
    start = end + 1;
  }
  return true;
}

void unpack(std::string_view bytes, const std::filesystem::path& root) {
  constexpr std::string_view mark = "=== ";
  int entries = 0;
  std::size_t pos = bytes.starts_with(mark) ? 0 : bytes.find("\n=== ");
  while (pos != std::string_view::npos && entries++ < 64) {
    if (bytes[pos] == '\n') ++pos;
    std::size_t eol = bytes.find('\n', pos);
    if (eol == std::string_view::npos) eol = bytes.size();
    std::string_view path = bytes.substr(pos + mark.size(), eol - pos - mark.size());
    std::size_t next = eol < bytes.size() ? bytes.find("\n=== ", eol) : std::string_view::npos;
    std::size_t contentStart = std::min(eol + 1, bytes.size());
    std::string_view content =
        bytes.substr(contentStart, (next == std::string_view::npos ? bytes.size() : next) - contentStart);
    pos = next;
    bool dir = path.ends_with('/');
    if (dir) path.remove_suffix(1);
    if (!safePath(path)) continue;
    std::error_code ec;
    auto target = root / std::string(path);
    if (dir) {
      std::filesystem::create_directories(target, ec);
      continue;
    }
    std::filesystem::create_directories(target.parent_path(), ec);
    std::ofstream(target, std::ios::binary).write(content.data(), static_cast<std::streamsize>(content.size()));
  }
}

}  // namespace

int Json(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  roundTrip<config::Config>(text);
  roundTrip<play::FontsConfig>(text);
  roundTrip<verse::VerseInfo>(text);
  roundTrip<verse::PlaceInfo>(text);
  roundTrip<verse::Portal>(text);
  roundTrip<std::vector<verse::ThingInfo>>(text);
  roundTrip<std::vector<std::string>>(text);
  roundTrip<std::string>(text);
  return 0;
}

int Verse(core::Context& ctx, const std::uint8_t* data, std::size_t size) {
  std::error_code ec;
  std::filesystem::remove_all("verses", ec);
  std::filesystem::create_directories("verses/f", ec);
  unpack(std::string_view(reinterpret_cast<const char*>(data), size), "verses/f");
  (void)verse::loadVerse(ctx, "f");
  (void)verse::LoadAllVerseInfos(ctx);
  ctx.Clean();
  return 0;
}

}  // namespace fuzz
