#include "play/font.h"

#include "core/low.h"

namespace play {

core::Result<void> LoadFonts(core::Context& ctx) {
  FontsConfig fc;
  TRY_PREFIX(core::DecodeJSON("fonts/fonts.json", &fc), "Cannot decode 'fonts/fonts.json': ");
  const struct {
    const std::string& file;
    int size;
  } slots[] = {
      {fc.SystemFile, fc.SystemSize}, {fc.IntroFile, fc.IntroSize},
      {fc.MetaFile, fc.MetaSize},     {fc.HelpFile, fc.HelpSize},
      {fc.CreditsFile, fc.CreditsSize}, {fc.HoverFile, fc.HoverSize},
      {fc.PhraseFile, fc.PhraseSize},
  };
  for (const auto& slot : slots) {
    // A missing or non-positive size is an author's mistake; the font library would
    // otherwise open the font at a meaningless size or fail with an unrelated message.
    if (slot.size <= 0)
      return core::Fail("Invalid size " + std::to_string(slot.size) + " for font '" +
                        slot.file + "' in 'fonts/fonts.json'");
    TRY(ctx.LoadFont(slot.file, slot.size));
  }
  return {};
}

}  // namespace play
