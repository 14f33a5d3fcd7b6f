// The screen dispatcher: runs the engine's screens one after another until one of them
// ends the program.
#pragma once

#include "core/context.h"
#include "core/error.h"

namespace play {

[[nodiscard]] core::Result<void> Play(core::Context& ctx);

}  // namespace play
