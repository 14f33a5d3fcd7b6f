#include "play/state.h"

#include "core/low.h"

namespace play {

core::Result<void> Control::Init() {
  CurrPlay = "INTRO";
  TRY_PREFIX(core::DecodeJSON(VERSE_STATE_FILE, &SelVerseId),
             std::string("Cannot load verse Id from '") + VERSE_STATE_FILE + "': ");
  return {};
}

core::Result<void> Control::Drop() {
  TRY_PREFIX(core::EncodeJSON(VERSE_STATE_FILE, SelVerseId),
             std::string("Cannot save verse Id to '") + VERSE_STATE_FILE + "': ");
  return {};
}

}  // namespace play
