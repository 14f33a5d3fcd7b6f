// The meta screen, the game's main menu: over a looping background cinema and music it
// shows the title, the selected verse and five items, and opens the information and help
// pages. It ends into the verse, into the credits, or with the program.
#pragma once

#include <string>

#include "core/context.h"
#include "core/error.h"
#include "play/meta/help.h"
#include "play/meta/menu.h"
#include "play/state.h"

namespace meta {

// Everything before the first frame: the texts, the menu's record with the sorted verse
// catalogue and the chosen verse, the pictures, the background cinema and music, and the
// sounds.
[[nodiscard]] core::Result<void> Start(core::Context& ctx, play::States& st);

// The page on show and the menu's selection; returning from a page selects the item that
// opened it.
struct Screen {
  std::string page = PAGE_MENU;
  std::string sel = SEL_PLAY;
  Help help;

  // One frame of the current page, after the engine's Sync. False once the screen has
  // ended; what follows it is in Control.
  [[nodiscard]] core::Result<bool> Frame(core::Context& ctx, play::States& st);
};

// The play "META".
[[nodiscard]] core::Result<void> Play(core::Context& ctx, play::States& st);

}  // namespace meta
