#include "core/video/text.h"

#include <SDL_ttf.h>

#include <algorithm>

#include "core/video/animage_draw.h"
#include "core/video/animage_load.h"
#include "core/video/pixel.h"

namespace video {

namespace {

bool validFont(const Context& ctx, Font font) {
  return font >= 0 && font < static_cast<int>(ctx.fonts.size());
}

}  // namespace

core::Result<void> LoadFont(Context& ctx, const std::string& fname, int size) {
  TTF_Font* font = TTF_OpenFont(("fonts/" + fname).c_str(), size);
  if (!font) return core::Fail(TTF_GetError());
  ctx.fonts.push_back(font);
  return {};
}

int FontHeight(const Context& ctx, Font font) {
  if (!validFont(ctx, font)) return 0;
  return TTF_FontHeight(ctx.fonts[static_cast<std::size_t>(font)]);
}

void closeFonts(Context& ctx) {
  for (TTF_Font* f : ctx.fonts) TTF_CloseFont(f);
  ctx.fonts.clear();
}

namespace {

// Box, then glyphs, at buffer position (x, y).
void drawStrImage(Context& ctx, const Animage& txtimg, int x, int y, std::uint8_t shade) {
  putFillRect(ctx.canvas(), x, y, txtimg.W0(), txtimg.H0(), Color{0, 0, 0, shade});
  put(txtimg, ctx.canvas(), x, y, false, false);
}

std::pair<int, int> drawStr(Context& ctx, Font font, const std::string& str, bool wrapped,
                            int width, int x, int y, bool fit, std::uint8_t red,
                            std::uint8_t green, std::uint8_t blue, std::uint8_t shade) {
  if (str.empty()) return {0, 0};
  TextImage t = MakeStrImage(ctx, font, str, wrapped, width, red, green, blue);
  if (fit) {
    // On the screen whenever the box is smaller than the screen; at the left or top edge
    // when it is not.
    x = std::max(std::min(x, ctx.width - t.w), 0);
    y = std::max(std::min(y, ctx.height - t.h), 0);
  }
  if (t.image) drawStrImage(ctx, *t.image, x, y, shade);
  return {t.w, t.h};
}

}  // namespace

TextImage MakeStrImage(Context& ctx, Font font, const std::string& str, bool wrapped, int width,
                       std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  if (str.empty() || !validFont(ctx, font)) return {};
  TTF_Font* f = ctx.fonts[static_cast<std::size_t>(font)];
  const SDL_Color colour{red, green, blue, 255};
  SDL_Surface* rendered =
      wrapped ? TTF_RenderUTF8_Blended_Wrapped(f, str.c_str(), colour, static_cast<Uint32>(std::max(width, 0)))
              : TTF_RenderUTF8_Blended(f, str.c_str(), colour);
  if (!rendered) return {};
  // The font library renders blended text as ARGB8888, the frame encoding; should another
  // version hand back anything else, it is converted rather than misread.
  SDL_Surface* surface = rendered;
  if (rendered->format->format != SDL_PIXELFORMAT_ARGB8888) {
    surface = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(rendered);
    if (!surface) return {};
  }
  TextImage t;
  t.w = surface->w;
  t.h = surface->h;
  t.image = std::make_unique<Animage>();
  Frame& frame = t.image->frames.emplace_back();
  frame.width = t.w;
  frame.height = t.h;
  frame.pixels.assign(static_cast<std::size_t>(t.w) * t.h * 4, 0);
  surface32topixels(surface, frame.pixels.data());
  SDL_FreeSurface(surface);
  return t;
}

void DrawStrImage(Context& ctx, const Animage* txtimg, int x, int y, std::uint8_t shade) {
  if (!txtimg || ctx.drawlock) return;
  drawStrImage(ctx, *txtimg, (ctx.width >> 1) + x, (ctx.height >> 1) + y, shade);
}

std::pair<int, int> DrawStr(Context& ctx, Font font, const std::string& str, int x, int y,
                            bool fit, std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                            std::uint8_t shade) {
  if (ctx.drawlock || !validFont(ctx, font)) return {0, 0};
  return drawStr(ctx, font, str, false, 0, (ctx.width >> 1) + x, (ctx.height >> 1) + y, fit, red,
                 green, blue, shade);
}

std::pair<int, int> DrawStrWrapped(Context& ctx, Font font, const std::string& str, int width,
                                   int x, int y, bool fit, std::uint8_t red, std::uint8_t green,
                                   std::uint8_t blue, std::uint8_t shade) {
  if (ctx.drawlock || !validFont(ctx, font)) return {0, 0};
  return drawStr(ctx, font, str, true, width, (ctx.width >> 1) + x, (ctx.height >> 1) + y, fit,
                 red, green, blue, shade);
}

}  // namespace video
