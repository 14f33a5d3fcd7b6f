#include "play/master.h"

namespace play {

core::Result<void> Mastermind::Start(core::Context& ctx, States& st) {
  // Time, input and video are stepped once so that every master starts on the same clock.
  ctx.Sync();
  for (Master* m : masters) TRY_PREFIX(m->Start(ctx, st), "Cannot start masters: ");
  return {};
}

core::Result<void> Mastermind::Do() {
  for (Master* m : masters) TRY_PREFIX(m->Do(), "Cannot perform masters' doing: ");
  return {};
}

core::Result<void> Mastermind::Stop() {
  for (Master* m : masters) TRY_PREFIX(m->Stop(), "Cannot stop masters: ");
  return {};
}

}  // namespace play
