// The information page of the meta screen: the facts of the selected verse over its
// picture. Also the line printer that it shares with the help page.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/context.h"
#include "play/state.h"

namespace meta {

inline constexpr int HELP_MARGIN = 8;   // from the left and top edges
inline constexpr int HELP_SPACING = 2;  // between two entries

// Stacks wrapped entries from the top-left corner downwards, each over its own shade box.
struct printState {
  core::Context* ctx = nullptr;
  int w = 0;   // wrapping width: the screen less a margin on either side
  int x = 0;   // left edge of every entry
  int y0 = 0;  // top of the first entry
  int y = 0;   // top of the next entry
  int sh = 0;  // step for an entry that draws nothing

  void init(core::Context& c);
  void reset() { y = y0; }
  // Draws one entry, wrapped and kept on the screen, and moves below it; an empty entry
  // leaves a gap of one line.
  void print(const std::string& str);
};

// The verse's languages as "English (eng), Deutsch (deu)": each by its native name (empty
// for an unknown id) and its id.
std::string languagesLine(const core::Context& ctx, const std::vector<std::string>& ids);

// One frame of the information page, after the engine's Sync. The next page when left:
// "menu" (Escape) or the empty name (F10, which ends the program).
std::optional<std::string> infoFrame(core::Context& ctx, play::States& st);

}  // namespace meta
