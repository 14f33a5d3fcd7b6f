#include "core/video/video.h"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "core/video/text.h"

namespace video {
namespace {

std::unexpected<core::Error> sdlError() { return core::Fail(SDL_GetError()); }

}  // namespace

core::Result<std::unique_ptr<Context>> Init(config::Config& cfg) {
  // The pacing interval is 1000 / Framerate: a rate below 1 has no meaning.
  if (cfg.Framerate <= 0)
    return core::Fail("Invalid setting Framerate: " + std::to_string(cfg.Framerate) +
                      " (it must be at least 1 frame per second)");

  auto ctx = std::make_unique<Context>();
  ctx->numcpu = cfg.NumCPU;
  ctx->width = cfg.XRes;
  ctx->height = cfg.YRes;
  ctx->framerate = cfg.Framerate;
  ctx->lastsynctick = 0;
  // The bands of scaled drawing: one per processor, the drawing thread working on one.
  ctx->bands = std::make_unique<Bands>(std::max(ctx->numcpu, 1) - 1);

  if (ctx->width == 0 || ctx->height == 0) {
    SDL_DisplayMode mode;
    int rc = (!cfg.FullScr || cfg.FullScrDesk) ? SDL_GetDesktopDisplayMode(DISPLAY_INDEX, &mode)
                                               : SDL_GetDisplayMode(DISPLAY_INDEX, 0, &mode);
    if (rc != 0) return sdlError();
    ctx->width = mode.w;
    ctx->height = mode.h;
  }

  Uint32 flags = SDL_WINDOW_SHOWN;
  int pos = SDL_WINDOWPOS_CENTERED;
  if (cfg.FullScr && cfg.FullScrDesk) {
    flags = SDL_WINDOW_FULLSCREEN_DESKTOP;
    ctx->width = 0;
    ctx->height = 0;
  } else if (cfg.FullScr) {
    flags = SDL_WINDOW_FULLSCREEN;
    pos = SDL_WINDOWPOS_UNDEFINED;
  }

  ctx->window =
      SDL_CreateWindow(cfg.AppWindowName.c_str(), pos, pos, ctx->width, ctx->height, flags);
  if (!ctx->window) return sdlError();

  SDL_GetWindowSize(ctx->window, &ctx->width, &ctx->height);
  cfg.XRes = ctx->width;
  cfg.YRes = ctx->height;

  ctx->renderer = SDL_CreateRenderer(ctx->window, -1, cfg.VSync ? SDL_RENDERER_PRESENTVSYNC : 0);
  if (!ctx->renderer) return sdlError();

  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");

  // A renderer that cannot take the window's logical size cannot show the screen buffer
  // as one picture; this ends the start like every other video failure.
  if (SDL_RenderSetLogicalSize(ctx->renderer, ctx->width, ctx->height) != 0) return sdlError();

  // The engine draws its own cursor.
  SDL_DisableScreenSaver();
  SDL_ShowCursor(SDL_DISABLE);

  ctx->screen = SDL_CreateTexture(ctx->renderer, SDL_PIXELFORMAT_ARGB8888,
                                  SDL_TEXTUREACCESS_STREAMING, ctx->width, ctx->height);
  if (!ctx->screen) return sdlError();

  ctx->pixels.assign(static_cast<std::size_t>(ctx->width) * ctx->height * 4, 0);

  // Start black before the first frame is ready.
  SDL_SetRenderDrawColor(ctx->renderer, 0, 0, 0, 255);
  SDL_RenderClear(ctx->renderer);
  SDL_RenderPresent(ctx->renderer);

  // JPG, PNG, TIF and WEBP; a missing codec shows up later as the failing file's error.
  IMG_Init(IMG_INIT_JPG | IMG_INIT_PNG | IMG_INIT_TIF | IMG_INIT_WEBP);

  if (TTF_Init() != 0) return sdlError();

  return ctx;
}

void Context::Sync(std::int64_t ticks) {
  const std::int64_t interval = 1000 / framerate;
  if (ticks < lastsynctick + interval) return;
  for (auto& a : animages) a->sync(ticks);
  cinemasPair->sync(ticks);
  // A failed presentation is not counted; the pacing goes on as if it had happened.
  (void)show();
  UnlockDraw();
  fps = numshows * 1000.0 / static_cast<double>(ticks + 1);
  // The next frame is due one interval after this call, not after the due time: a late
  // frame is never caught up.
  lastsynctick = ticks;
}

void Context::Clear() {
  if (!drawlock) clear();
}

void Context::clear() { std::memset(pixels.data(), 0, pixels.size()); }

core::Result<void> Context::show() {
  if (SDL_UpdateTexture(screen, nullptr, pixels.data(), width * 4) != 0) return sdlError();
  if (SDL_RenderClear(renderer) != 0) return sdlError();
  if (SDL_RenderCopy(renderer, screen, nullptr, nullptr) != 0) return sdlError();
  SDL_RenderPresent(renderer);
  ++numshows;
  return {};
}

void Context::Clean() {
  cleanAnimages();
  cinemasPair->cleanBoth();
}

void Context::cleanAnimages() {
  for (auto& a : animages) a->destroy();
  animages.clear();
}

void Context::Drop() {
  cinemasPair->cleanBoth();
  bands.reset();
  closeFonts(*this);
  TTF_Quit();
  IMG_Quit();
  SDL_DestroyTexture(screen);
  screen = nullptr;
  SDL_DestroyRenderer(renderer);
  renderer = nullptr;
  SDL_DestroyWindow(window);
  window = nullptr;
}

}  // namespace video
