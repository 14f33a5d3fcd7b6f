// The intro: the engine's logo with the line "Enshaped with" above it and the engine's
// name and home page below, the maker's small animated logo, a fade to black, then the
// quotation of the player's language. Any held key skips it; F10 ends the program.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/context.h"
#include "core/error.h"
#include "play/state.h"

namespace intro {

// The one place that names the engine: its name, version, year and maker (joined into the
// line under the logo), and its home page (the line below that).
inline constexpr std::string_view ENSHAPER_NAME = "Orlevanth";
inline constexpr std::string_view ENSHAPER_VERSION = "1.0";
inline constexpr std::string_view ENSHAPER_YEAR = "2026";
inline constexpr std::string_view ENSHAPER_MAKER = "Tovamere";
inline constexpr std::string_view ENSHAPER_WEB = "orlevanth.tovamere.net/engine";

// "Orlevanth 1.0 · 2026 · Tovamere".
std::string EnshaperStr();

inline constexpr char INTRO_TEXTS_FILE[] = "intro.json";
inline constexpr char INTRO_LOGO_ENSHAPER[] = "animages/intro/orlevanth.png";
inline constexpr char INTRO_LOGO_TOVAMERE_MIN[] = "animages/intro/tovameremin.png";
inline constexpr char INTRO_SOUND[] = "sounds/intro/tovamere_enshaper.ogg";
inline constexpr char INTRO_ABOVE_TEXT[] = "Enshaped with";

// Stage durations in milliseconds.
inline constexpr int ENSHAPER_FADEIN_DURATION = 1800;
inline constexpr int ENSHAPER_ABOVE_DURATION = 1000;
inline constexpr int TOVAMERE_FADEIN_DURATION = 1000;
inline constexpr int ENSHAPER_HOLD_DURATION = 1700;
inline constexpr int ENSHAPER_FADEOUT_DURATION = 3000;
inline constexpr int QUOTE_FADEIN_DURATION = 1000;
inline constexpr int QUOTE_HOLD_DURATION = 1500;
inline constexpr int QUOTE_FADEOUT_DURATION = 1000;

// Layout in pixels: the logo's side, the gap between the logo and its lines, and how far
// below the screen centre the maker's logo sits.
inline constexpr int LOGO_SIZE = 256;
inline constexpr int MARGINS = 16;
inline constexpr int LOGO_SHIFT = 88;

// The stages, in the only order they run.
enum Stage {
  STAGE_LOGO_ENSHAPER_FADEIN,   // the logo comes out of black
  STAGE_LOGO_ENSHAPER_ABOVE,    // "Enshaped with" brightens above it
  STAGE_LOGO_TOVAMERE_FADEIN,   // the maker's logo runs, the lines below brighten
  STAGE_LOGO_ENSHAPER_HOLD,     // everything stands
  STAGE_LOGO_ENSHAPER_FADEOUT,  // everything goes to black
  STAGE_QUOTE_FADEIN,           // the quotation brightens
  STAGE_QUOTE_HOLD,             // and stands
  STAGE_QUOTE_FADEOUT,          // and fades; then the menu follows
};

// The stage's name ("logoEnshaper_fadein", …), for messages.
std::string_view StageName(Stage stage);
// The stage's duration in milliseconds.
int StageDuration(Stage stage);

// The intro's state while it runs. Play drives it; tests step it frame by frame.
struct Intro {
  Stage stage = STAGE_LOGO_ENSHAPER_FADEIN;
  std::int64_t start = 0;  // engine time at which the stage began
  int strHeight = 0;       // line height of the INTRO font
  std::shared_ptr<video::Animage> logoEnshaper;
  std::shared_ptr<video::Animage> logoTovamereMin;
  std::string enshaperStr;

  // Everything before the first frame: the texts, the successor "META", the logos, the
  // sound, one engine Sync, the logo's animation. Fails when "intro.json" or a logo
  // cannot be loaded.
  [[nodiscard]] core::Result<void> Start(core::Context& ctx, play::States& st);
  // One frame, after the engine's Sync. True when the intro is over: the quotation has
  // faded out, F10 was pressed (the program ends), or a key is held (the menu follows).
  bool Frame(core::Context& ctx, play::States& st);

 private:
  // Draws the stage's frame and moves to the next stage when its time is up. True when
  // the last stage has ended.
  bool drawStage(core::Context& ctx);
  void drawLogos(core::Context& ctx, bool small) const;
  void drawTextAbove(core::Context& ctx, const std::string& text, std::uint8_t red,
                     std::uint8_t green, std::uint8_t blue, double fract) const;
  void drawTextBelow(core::Context& ctx, const std::string& text, std::uint8_t red,
                     std::uint8_t green, std::uint8_t blue, double fract, int k) const;
};

// A black veil over the whole screen.
void shadeScreen(core::Context& ctx, std::uint8_t alpha);
// Renders `text` in the INTRO font, unwrapped, in the colour times fract (each channel
// truncated), and draws it with its top-left corner at (−(w ≫ 1), y) where y is `y` or,
// when `centred`, −(h ≫ 1).
void drawTextAt(core::Context& ctx, const std::string& text, std::uint8_t red, std::uint8_t green,
                std::uint8_t blue, double fract, int y, bool centred);
// The text centred on the screen.
void drawTextCentered(core::Context& ctx, const std::string& text, std::uint8_t red,
                      std::uint8_t green, std::uint8_t blue, double fract);

// The play "INTRO".
[[nodiscard]] core::Result<void> Play(core::Context& ctx, play::States& st);

}  // namespace intro
