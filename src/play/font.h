// The seven font slots and their configuration file "fonts/fonts.json".
#pragma once

#include <string>

#include "core/context.h"
#include "core/error.h"
#include "core/json.h"

namespace play {

// Font slots, in the order LoadFonts fills them.
constexpr video::Font SYSTEM = 0;   // telemetry overlay
constexpr video::Font INTRO = 1;    // intro texts, also used by the menu
constexpr video::Font META = 2;     // menu
constexpr video::Font HELP = 3;     // help and info pages
constexpr video::Font CREDITS = 4;  // credits
constexpr video::Font HOVER = 5;    // label of the zone under the cursor
constexpr video::Font PHRASE = 6;   // portal phrases

struct FontsConfig {
  std::string SystemFile;
  int SystemSize = 0;
  std::string IntroFile;
  int IntroSize = 0;
  std::string MetaFile;
  int MetaSize = 0;
  std::string HelpFile;
  int HelpSize = 0;
  std::string CreditsFile;
  int CreditsSize = 0;
  std::string HoverFile;
  int HoverSize = 0;
  std::string PhraseFile;
  int PhraseSize = 0;
};
JSON_RECORD(FontsConfig, SystemFile, SystemSize, IntroFile, IntroSize, MetaFile, MetaSize,
            HelpFile, HelpSize, CreditsFile, CreditsSize, HoverFile, HoverSize, PhraseFile,
            PhraseSize)

// Loads the seven fonts of "fonts/fonts.json" into slots SYSTEM … PHRASE of a context that
// holds no font yet. The first failure stops it; the fonts before it stay loaded.
[[nodiscard]] core::Result<void> LoadFonts(core::Context& ctx);

}  // namespace play
