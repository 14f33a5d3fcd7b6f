#include "play/intro/intro.h"

#include <algorithm>
#include <array>

#include "core/input_keys.h"
#include "play/font.h"
#include "play/play.h"

namespace intro {
namespace {

struct StageInfo {
  std::string_view name;
  int duration;
};

constexpr std::array<StageInfo, 8> STAGES = {{
    {"logoEnshaper_fadein", ENSHAPER_FADEIN_DURATION},
    {"logoEnshaper_aboveAppear", ENSHAPER_ABOVE_DURATION},
    {"logoTovamere_fadein", TOVAMERE_FADEIN_DURATION},
    {"logoEnshaper_hold", ENSHAPER_HOLD_DURATION},
    {"logoEnshaper_fadeout", ENSHAPER_FADEOUT_DURATION},
    {"quote_fadein", QUOTE_FADEIN_DURATION},
    {"quote_hold", QUOTE_HOLD_DURATION},
    {"quote_fadeout", QUOTE_FADEOUT_DURATION},
}};

// Distance from the screen centre to the logo's lines: half the logo plus the margin.
constexpr int LINE_OFFSET = LOGO_SIZE / 2 + MARGINS;

// The engine logo runs once in 3 seconds, the maker's logo once in 2; both then keep
// their last frame.
constexpr double LOGO_ENSHAPER_RATE = 1.0 / 3;
constexpr double LOGO_TOVAMERE_RATE = 0.5;

std::uint8_t times(std::uint8_t channel, double fract) {
  return static_cast<std::uint8_t>(channel * fract);
}

}  // namespace

std::string EnshaperStr() {
  std::string s(ENSHAPER_NAME);
  s += ' ';
  s += ENSHAPER_VERSION;
  s += " · ";
  s += ENSHAPER_YEAR;
  s += " · ";
  s += ENSHAPER_MAKER;
  return s;
}

std::string_view StageName(Stage stage) { return STAGES[stage].name; }
int StageDuration(Stage stage) { return STAGES[stage].duration; }

void shadeScreen(core::Context& ctx, std::uint8_t alpha) {
  const int w = ctx.VideoW();
  const int h = ctx.VideoH();
  ctx.DrawRect(-(w >> 1), -(h >> 1), w, h, 0, 0, 0, alpha, true);
}

void drawTextAt(core::Context& ctx, const std::string& text, std::uint8_t red, std::uint8_t green,
                std::uint8_t blue, double fract, int y, bool centred) {
  // The loop spins between presentations; a locked frame would discard the rendering.
  if (ctx.video->drawlock) return;
  video::TextImage img = ctx.MakeStrImage(play::INTRO, text, false, 0, times(red, fract),
                                          times(green, fract), times(blue, fract));
  ctx.DrawStrImage(img.image.get(), -(img.w >> 1), centred ? -(img.h >> 1) : y, 0);
}

void drawTextCentered(core::Context& ctx, const std::string& text, std::uint8_t red,
                      std::uint8_t green, std::uint8_t blue, double fract) {
  drawTextAt(ctx, text, red, green, blue, fract, 0, true);
}

void Intro::drawTextAbove(core::Context& ctx, const std::string& text, std::uint8_t red,
                          std::uint8_t green, std::uint8_t blue, double fract) const {
  drawTextAt(ctx, text, red, green, blue, fract, -(strHeight + LINE_OFFSET), false);
}

void Intro::drawTextBelow(core::Context& ctx, const std::string& text, std::uint8_t red,
                          std::uint8_t green, std::uint8_t blue, double fract, int k) const {
  drawTextAt(ctx, text, red, green, blue, fract, LINE_OFFSET + k * strHeight, false);
}

void Intro::drawLogos(core::Context& ctx, bool small) const {
  ctx.DrawAnimage(logoEnshaper.get(), 0, 0, true, true);
  if (small) ctx.DrawAnimage(logoTovamereMin.get(), 0, LOGO_SHIFT, true, true);
}

core::Result<void> Intro::Start(core::Context& ctx, play::States& st) {
  TRY(ctx.LangAddFile(INTRO_TEXTS_FILE));
  st.Control->NextPlay = play::PLAY_META;
  enshaperStr = EnshaperStr();
  TRY_ASSIGN(logoEnshaper, ctx.LoadAnimage(INTRO_LOGO_ENSHAPER), "");
  TRY_ASSIGN(logoTovamereMin, ctx.LoadAnimage(INTRO_LOGO_TOVAMERE_MIN), "");
  // Without the sound the intro runs silently.
  if (auto snd = ctx.LoadSound(INTRO_SOUND)) (void)ctx.PlaySound(*snd);
  ctx.Sync();
  start = ctx.GetTime();
  ctx.RunAnimage(logoEnshaper.get(), LOGO_ENSHAPER_RATE, 0);
  strHeight = ctx.FontHeight(play::INTRO);
  stage = STAGE_LOGO_ENSHAPER_FADEIN;
  return {};
}

bool Intro::drawStage(core::Context& ctx) {
  const std::int64_t now = ctx.GetTime();
  const double t = static_cast<double>(now - start) / StageDuration(stage);
  // In the frame in which a stage ends, its fading parts are no longer drawn; the next
  // stage starts at this frame's time, so the overshoot is not carried over.
  const bool over = t > 1;
  const std::string web(ENSHAPER_WEB);
  switch (stage) {
    case STAGE_LOGO_ENSHAPER_FADEIN:
      drawLogos(ctx, false);
      if (!over) shadeScreen(ctx, static_cast<std::uint8_t>(255 - static_cast<int>(255 * t)));
      break;
    case STAGE_LOGO_ENSHAPER_ABOVE:
      drawLogos(ctx, false);
      if (!over) drawTextAbove(ctx, INTRO_ABOVE_TEXT, 224, 224, 64, t);
      if (over) ctx.RunAnimage(logoTovamereMin.get(), LOGO_TOVAMERE_RATE, 0);
      break;
    case STAGE_LOGO_TOVAMERE_FADEIN:
      drawLogos(ctx, true);
      drawTextAbove(ctx, INTRO_ABOVE_TEXT, 224, 224, 64, 1);
      if (!over) {
        drawTextBelow(ctx, enshaperStr, 64, 64, 224, t, 0);
        drawTextBelow(ctx, web, 96, 96, 160, t, 2);
      }
      break;
    case STAGE_LOGO_ENSHAPER_HOLD:
    case STAGE_LOGO_ENSHAPER_FADEOUT:
      drawLogos(ctx, true);
      drawTextAbove(ctx, INTRO_ABOVE_TEXT, 224, 224, 64, 1);
      drawTextBelow(ctx, enshaperStr, 64, 64, 224, 1, 0);
      drawTextBelow(ctx, web, 96, 96, 160, 1, 2);
      if (stage == STAGE_LOGO_ENSHAPER_FADEOUT) {
        if (!over) shadeScreen(ctx, static_cast<std::uint8_t>(255 * t));
        // The quotation starts from a black frame.
        if (over) ctx.VideoClear();
      }
      break;
    case STAGE_QUOTE_FADEIN:
      drawTextCentered(ctx, ctx.LangGet("quote"), 240, 240, 240, std::min(t, 1.0));
      break;
    case STAGE_QUOTE_HOLD:
      drawTextCentered(ctx, ctx.LangGet("quote"), 240, 240, 240, 1);
      break;
    case STAGE_QUOTE_FADEOUT:
      drawTextCentered(ctx, ctx.LangGet("quote"), 240, 240, 240, std::max(1 - t, 0.0));
      if (over) {
        ctx.VideoClear();
        return true;
      }
      break;
  }
  if (over) {
    stage = static_cast<Stage>(stage + 1);
    start = now;
  }
  return false;
}

bool Intro::Frame(core::Context& ctx, play::States& st) {
  ctx.VideoClear();
  if (drawStage(ctx)) return true;
  ctx.LockDraw();
  // F10 first: a held F10 ends the program rather than merely skipping to the menu.
  if (ctx.PollKey(input::KEY_F10)) {
    st.Control->Terminate = true;
    return true;
  }
  return ctx.TestAllKeys();
}

core::Result<void> Play(core::Context& ctx, play::States& st) {
  Intro intro;
  TRY(intro.Start(ctx, st));
  do {
    ctx.Sync();
  } while (!intro.Frame(ctx, st));
  return {};
}

}  // namespace intro
