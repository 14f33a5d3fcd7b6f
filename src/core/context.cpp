#include "core/context.h"

#include <SDL.h>

#include <chrono>

#include "core/video/text.h"

namespace core {

std::mt19937_64& Random() {
  static std::mt19937_64 generator;
  return generator;
}

Result<std::unique_ptr<Context>> Init(config::Config* cfg) {
  Random().seed(static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::nanoseconds>(
          std::chrono::system_clock::now().time_since_epoch())
          .count()));

  SDL_SetMainReady();
  if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_AUDIO | SDL_INIT_VIDEO | SDL_INIT_JOYSTICK |
               SDL_INIT_HAPTIC | SDL_INIT_GAMECONTROLLER | SDL_INIT_EVENTS) != 0)
    return Fail(SDL_GetError());

  auto ctx = std::make_unique<Context>();
  // The order matters: video writes the real window size into cfg before the modules
  // that follow copy it.
  TRY_ASSIGN(ctx->video, video::Init(*cfg), "Cannot init Video context: ");
  TRY_ASSIGN(ctx->input, input::Init(*cfg), "Cannot init Input context: ");
  TRY_ASSIGN(ctx->audio, audio::Init(*cfg), "Cannot init Audio context: ");
  ctx->time = time::Init();
  ctx->time->Reset();
  TRY_ASSIGN(ctx->lang, lang::Init(*cfg), "Cannot init Language context: ");
  return ctx;
}

void Context::Sync() {
  time->Sync();
  input->Sync();
  video->Sync(time->ticks);
}

void Context::Stop() { audio->Stop(); }

void Context::Clean() {
  lang->Clean();
  audio->Clean();
  video->Clean();
}

void Context::Drop() {
  audio->Drop();
  video->Drop();
  SDL_Quit();
}

int Context::FontHeight(video::Font font) const { return video::FontHeight(*video, font); }

Result<void> Context::LoadFont(const std::string& fname, int size) {
  return video::LoadFont(*video, fname, size);
}

std::int64_t Context::GetTime() const { return time->Get(); }

void Context::RunAnimage(video::Animage* animg, double rate, int repeats) {
  if (animg) animg->Run(rate, GetTime(), repeats);
}

}  // namespace core
