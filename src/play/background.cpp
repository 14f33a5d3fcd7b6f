#include "play/background.h"

#include "core/handover.h"

namespace play {

void LoadBackgroundCinema(core::Context& ctx, const std::string& path) {
  core::Handover<bool> done;
  ctx.LoadRunCinemaAsync(path, done);
  // The pair reports every load request exactly once, also a failed one.
  (void)done.Take();
  ctx.FlipCinemas();
}

}  // namespace play
