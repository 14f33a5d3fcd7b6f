#include "core/lang.h"

#include <sys/stat.h>

#include "core/low.h"

namespace lang {
namespace {

enum class DirKind { Missing, NotDir, Dir };

DirKind examine(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return DirKind::Missing;
  return S_ISDIR(st.st_mode) ? DirKind::Dir : DirKind::NotDir;
}

std::string findOrEmpty(const std::map<std::string, std::string>& m, const std::string& key) {
  auto it = m.find(key);
  return it == m.end() ? std::string() : it->second;
}

}  // namespace

core::Result<std::unique_ptr<Context>> Init(const config::Config& cfg) {
  auto ctx = std::make_unique<Context>();
  TRY_PREFIX(core::DecodeJSON(LANG_NATIVES_FILE, &ctx->natives),
             std::string("Cannot load native language names from '") + LANG_NATIVES_FILE + "': ");
  ctx->langId = ctx->langFoundId = cfg.Lang;

  const std::string root = LANG_ROOT;
  const std::string fallback = root + LANG_DEFAULT_ID;
  for (;;) {
    const std::string dir = ctx->FullDir();
    DirKind kind = examine(dir);
    if (kind == DirKind::Dir) break;
    // A file in the way is a broken installation, not a missing language: say so rather
    // than quietly showing another language.
    if (kind == DirKind::NotDir) return core::Fail("'" + dir + "' is not a dir");
    if (ctx->langFoundId != LANG_DEFAULT_ID) {
      ctx->langFoundId = LANG_DEFAULT_ID;
      continue;
    }
    if (ctx->langId == LANG_DEFAULT_ID)
      return core::Fail("Cannot open '" + fallback + "' with requested (and default) locales");
    return core::Fail("Cannot open neither '" + root + ctx->langId +
                      "' with requested locales, nor '" + fallback + "' with default locales");
  }
  return ctx;
}

core::Result<void> Context::AddFile(const std::string& fname) {
  const std::string path = FullDir() + "/" + fname;
  std::map<std::string, std::string> texts;
  TRY_PREFIX(core::DecodeJSON(path, &texts), "Cannot load locales from '" + path + "': ");
  for (auto& [id, text] : texts) idtostr.insert_or_assign(id, std::move(text));
  return {};
}

std::string Context::Get(const std::string& id) const { return findOrEmpty(idtostr, id); }

std::string Context::Native(const std::string& id) const { return findOrEmpty(natives, id); }

}  // namespace lang
