// The program entry: one flow from the settings to the end of the last screen.
#include <cstdio>

#include "core/config.h"
#include "core/context.h"
#include "play/play.h"

namespace {

core::Result<void> run() {
  TRY_ASSIGN(auto cfg, config::Load(), "Cannot load settings: ");
  TRY_ASSIGN(auto ctx, core::Init(cfg.get()), "Cannot init Context: ");
  // After a failure nothing is torn down: the process ends right after the error line.
  TRY_PREFIX(play::Play(*ctx), "Cannot play: ");
  ctx->Drop();
  return {};
}

}  // namespace

int main() {
  auto result = run();
  if (!result) {
    std::printf("Error: %s\n", result.error().Message.c_str());
    return 1;
  }
  return 0;
}
