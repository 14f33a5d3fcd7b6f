// The play dispatcher: runs the engine's screens ("plays") one after another until one of
// them ends the program.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "core/context.h"
#include "core/error.h"
#include "play/state.h"

namespace play {

// The names of the engine's plays.
inline constexpr char PLAY_INTRO[] = "INTRO";
inline constexpr char PLAY_META[] = "META";
inline constexpr char PLAY_VERSE[] = "VERSE";
inline constexpr char PLAY_CREDITS[] = "CREDITS";

// A play owns the frame loop while it runs; before returning it names its successor in
// st.Control->NextPlay or sets st.Control->Terminate.
using PlayFn = std::function<core::Result<void>(core::Context&, States&)>;
using PlayTable = std::map<std::string, PlayFn, std::less<>>;

// Runs the engine's plays, starting with "INTRO".
[[nodiscard]] core::Result<void> Play(core::Context& ctx);

// The dispatcher loop over a given table of plays.
[[nodiscard]] core::Result<void> Run(core::Context& ctx, const PlayTable& plays);

}  // namespace play
