#include "play/state.h"

#include <sys/stat.h>

#include <cerrno>

#include "core/low.h"

namespace play {

core::Result<void> Control::Init() {
  CurrPlay = "INTRO";
  // A new install, or a player who removed "states/" to start afresh: no verse is chosen yet.
  struct stat st;
  if (::stat(VERSE_STATE_FILE, &st) != 0 && errno == ENOENT) {
    SelVerseId.clear();
    return {};
  }
  TRY_PREFIX(core::DecodeJSON(VERSE_STATE_FILE, &SelVerseId),
             std::string("Cannot load verse Id from '") + VERSE_STATE_FILE + "': ");
  return {};
}

core::Result<void> Control::Drop() {
  // Saving the chosen verse must not fail because "states/" was removed meanwhile; should
  // the directory not be creatable, the write below reports why.
  (void)core::MkdirAll("states");
  TRY_PREFIX(core::EncodeJSON(VERSE_STATE_FILE, SelVerseId),
             std::string("Cannot save verse Id to '") + VERSE_STATE_FILE + "': ");
  return {};
}

}  // namespace play
