// The help pages of the meta screen: three pages of text from the language directory,
// turned with the space bar.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/context.h"
#include "core/error.h"
#include "play/state.h"

namespace meta {

inline constexpr std::array<const char*, 3> HELP_FILENAMES = {"help1.txt", "help2.txt",
                                                              "help3.txt"};

struct Help {
  std::array<std::vector<std::string>, HELP_FILENAMES.size()> pages;  // lines of each page
  int page = 0;                                                       // the page shown

  // Reads the three pages from the language directory in use and shows the first. The
  // first file that cannot be read gives its error unchanged.
  [[nodiscard]] core::Result<void> Open(core::Context& ctx);
  // One frame, after the engine's Sync. The next page when left: "menu" (Escape) or the
  // empty name (F10, which ends the program).
  std::optional<std::string> Frame(core::Context& ctx, play::States& st);
};

}  // namespace meta
