// The looping cinema behind a front screen (the menu with its pages, the credits).
#pragma once

#include <string>

#include "core/context.h"

namespace play {

// Loads the cinema at `path` into the cinema pair, waits until the load has ended and
// makes it the current cinema, which DrawCinemaSingle then shows. A cinema that fails to
// load leaves the background black.
void LoadBackgroundCinema(core::Context& ctx, const std::string& path);

}  // namespace play
