#include "play/credits/credits.h"

#include "core/input_keys.h"
#include "core/low.h"
#include "play/background.h"
#include "play/font.h"
#include "play/play.h"

namespace credits {

int ScrollLength(std::size_t numLines, int fontHeight, int screenHeight) {
  return (fontHeight + CREDITS_SPACING) * static_cast<int>(numLines) + screenHeight;
}

double ScrollDuration(int scrollLength) { return 1000.0 * scrollLength / CREDITS_SPEED; }

core::Result<void> Credits::Start(core::Context& ctx, play::States& st) {
  st.Control->NextPlay = play::PLAY_META;
  TRY_ASSIGN(credits, core::ReadStrings(ctx.LangFullDir() + "/" + CREDITS_FILE), "");
  play::LoadBackgroundCinema(ctx, CREDITS_CINEMA);
  // Without the music the credits run silently.
  if (auto music = ctx.LoadSound(CREDITS_MUSIC)) (void)ctx.PlaySoundLoop(*music);
  ctx.Sync();
  start = ctx.GetTime();
  vh = ctx.VideoH();
  sh = ctx.FontHeight(play::CREDITS);
  length = ScrollLength(credits.size(), sh, vh);
  duration = ScrollDuration(length);
  return {};
}

void Credits::drawLines(core::Context& ctx, double fract) {
  const int step = sh + CREDITS_SPACING;
  const int half = vh >> 1;
  // The first line's top, and the band in which a line's top makes it visible.
  const int y0 = half - static_cast<int>(fract * length);
  const int top = -half - step;
  const int bottom = half;
  // Only the lines in the band are looked at, so a frame costs the same however long the
  // file is.
  std::size_t first = 0;
  if (top > y0) first = static_cast<std::size_t>((top - y0 + step - 1) / step);
  std::size_t end = first;
  for (int y = y0 + static_cast<int>(first) * step; end < credits.size() && y <= bottom; y += step)
    ++end;

  // Lines that have left the band are released; those entering it are rendered once.
  std::erase_if(rendered, [&](const auto& e) { return e.first < first || e.first >= end; });
  for (std::size_t i = first; i < end; ++i) {
    auto it = rendered.find(i);
    if (it == rendered.end())
      it = rendered.emplace(i, ctx.MakeStrImage(play::CREDITS, credits[i], false, 0, 240, 240, 240))
               .first;
    const video::TextImage& img = it->second;
    ctx.DrawStrImage(img.image.get(), -(img.w >> 1), y0 + static_cast<int>(i) * step, 0);
  }
}

bool Credits::Frame(core::Context& ctx, play::States& st) {
  ctx.VideoClear();
  ctx.DrawCinemaSingle();
  const double fract = static_cast<double>(ctx.GetTime() - start) / duration;
  if (fract > 1) return true;
  if (!ctx.video->drawlock) drawLines(ctx, fract);
  ctx.LockDraw();
  // F10 first: a held F10 ends the program rather than merely leaving the credits.
  if (ctx.PollKey(input::KEY_F10)) {
    st.Control->Terminate = true;
    return true;
  }
  if (!ctx.TestAllKeys()) {
    keysReleased = true;
    return false;
  }
  return keysReleased;
}

core::Result<void> Play(core::Context& ctx, play::States& st) {
  Credits c;
  TRY(c.Start(ctx, st));
  do {
    ctx.Sync();
  } while (!c.Frame(ctx, st));
  return {};
}

}  // namespace credits
