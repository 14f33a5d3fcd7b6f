#include "core/time.h"

#include <SDL.h>

namespace core::time {

std::unique_ptr<Context> Init() { return std::make_unique<Context>(); }

void Context::Reset() {
  start = static_cast<std::int64_t>(SDL_GetTicks64());
  ticks = static_cast<std::int64_t>(SDL_GetTicks64()) - start;
}

void Context::Sync() { ticks = static_cast<std::int64_t>(SDL_GetTicks64()) - start; }

}  // namespace core::time
