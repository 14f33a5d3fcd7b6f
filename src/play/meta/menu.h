// The menu page of the meta screen: the title, the selected verse between its arrows, and
// the five items, chosen with the arrow keys or their letters and confirmed with Enter.
#pragma once

#include <optional>
#include <string>

#include "core/context.h"
#include "play/state.h"

namespace meta {

// The screen's pages, and the names of the menu's items.
inline constexpr char PAGE_MENU[] = "menu";
inline constexpr char PAGE_INFO[] = "info";
inline constexpr char PAGE_HELP[] = "help";
inline constexpr char SEL_INFO[] = "info";
inline constexpr char SEL_PLAY[] = "play";
inline constexpr char SEL_HELP[] = "help";
inline constexpr char SEL_CREDITS[] = "credits";
inline constexpr char SEL_QUIT[] = "quit";

inline constexpr int BUTTON_WIDTH = 144;  // width of an item's frame

enum class Move { LEFT, RIGHT, UP, DOWN };

// Whether a key of that direction (arrow or keypad) was pressed this frame; consumes both.
bool pollKeyMove(core::Context& ctx, Move dir);

// The text in `font`, light grey, centred on (cx, cy).
void drawCenteredStr(core::Context& ctx, video::Font font, int cx, int cy, const std::string& str);
// The text in the META font centred on (cx, cy); when `active`, framed by a one-pixel
// outline just outside the fw × fh box centred there.
void drawFramedCenteredStr(core::Context& ctx, int cx, int cy, int fw, int fh,
                           const std::string& str, bool active);

// One frame of the menu page, after the engine's Sync, with `sel` the selected item.
// Returns the next page when the player leaves: "info" or "help", or the empty name when
// the screen ends (play, credits, quit, F10; Control says which).
std::optional<std::string> menuFrame(core::Context& ctx, play::States& st, std::string& sel);

}  // namespace meta
