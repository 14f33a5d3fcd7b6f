#include "play/play.h"

namespace play {

namespace {
// How long the engine shows its black frames before it ends, while it has no screens.
constexpr std::int64_t BLACK_FRAMES_MS = 5000;
}  // namespace

core::Result<void> Play(core::Context& ctx) {
  // No screen exists yet: run the frame loop on black frames for a while, exactly as a
  // screen would (sync, clear, draw nothing, lock), then end normally.
  const std::int64_t start = ctx.GetTime();
  while (ctx.GetTime() - start < BLACK_FRAMES_MS) {
    ctx.Sync();
    ctx.VideoClear();
    ctx.LockDraw();
  }
  return {};
}

}  // namespace play
