// The program entry: one flow from the settings to the end of the last screen.
#include <cstdio>

#include "core/config.h"
#include "core/context.h"
#include "play/play.h"

namespace {

// The engine context exists once and lives until the process ends: after a failure
// nothing is torn down, the process ends right after the error line.
core::Context* engine = nullptr;

core::Result<void> run() {
  TRY_ASSIGN(auto cfg, config::Load(), "Cannot load settings: ");
  TRY_ASSIGN(auto ctx, core::Init(cfg.get()), "Cannot init Context: ");
  engine = ctx.release();
  TRY_PREFIX(play::Play(*engine), "Cannot play: ");
  engine->Drop();
  return {};
}

}  // namespace

int main() {
  auto result = run();
  if (!result) {
    std::printf("Error: %s\n", result.error().Message.c_str());
    std::fflush(stdout);
    return 1;
  }
  return 0;
}
