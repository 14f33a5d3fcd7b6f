// Languages: which exist, which one the player asked for, which directory is used, and
// the table of the current screen's texts.
//
// On disk: "langs/natives.json" maps each language id to its name in that language, and
// "langs/" + id holds a language's text files (JSON objects from text id to text). "eng"
// is the default, used when the requested language has no directory.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "core/config.h"
#include "core/error.h"

namespace lang {

inline constexpr char LANG_ROOT[] = "langs/";
inline constexpr char LANG_NATIVES_FILE[] = "langs/natives.json";
inline constexpr char LANG_DEFAULT_ID[] = "eng";

struct Context {
  std::map<std::string, std::string> natives;  // language id → native name
  std::string langId;                          // requested in the settings
  std::string langFoundId;                     // whose directory is used
  std::map<std::string, std::string> idtostr;  // text id → text, this screen's files merged

  // Merges the used language's file `fname` into the table; a text id already present
  // takes the new file's text. On failure the table is unchanged.
  [[nodiscard]] core::Result<void> AddFile(const std::string& fname);
  // The text, or "" when no added file has the id.
  std::string Get(const std::string& id) const;
  // The requested id, also when the default directory is used instead; verse texts are
  // looked up with it.
  const std::string& LangId() const { return langId; }
  // The language's own name, or "" for an unknown id.
  std::string Native(const std::string& id) const;
  // "langs/" + the used id, without a trailing slash.
  std::string FullDir() const { return LANG_ROOT + langFoundId; }
  // Empties the text table; each screen adds its own files.
  void Clean() { idtostr = {}; }
};

// Reads the native names and settles on the language directory: the requested one, or
// the default when the requested one does not exist.
[[nodiscard]] core::Result<std::unique_ptr<Context>> Init(const config::Config& cfg);

}  // namespace lang
