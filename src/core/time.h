// The engine clock: milliseconds since the engine started, changed only once per frame so
// that every reader sees the same time within a pass of a screen loop.
#pragma once

#include <cstdint>
#include <memory>

namespace core::time {

struct Context {
  std::int64_t start = 0;  // SDL tick counter at Reset (the 64-bit one: no wrap after 49 days)
  std::int64_t ticks = 0;  // SDL tick counter minus start, at the last Sync

  void Reset();
  void Sync();
  std::int64_t Get() const { return ticks; }
};

std::unique_ptr<Context> Init();

}  // namespace core::time
