#include "play/background.h"

namespace play {

// The engine's cinema pair is not there yet: until it is, the front screens run over a
// black background.
void LoadBackgroundCinema(core::Context&, const std::string&) {}

void DrawBackgroundCinema(core::Context&) {}

}  // namespace play
