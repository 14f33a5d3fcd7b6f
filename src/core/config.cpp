#include "core/config.h"

#include <sched.h>

#include <algorithm>
#include <thread>

#include "core/low.h"

namespace config {

namespace {

// Logical processors this process may run on (its affinity mask), at least 1.
int availableProcessors() {
  cpu_set_t set;
  if (sched_getaffinity(0, sizeof set, &set) == 0) return std::max(1, CPU_COUNT(&set));
  return std::max(1u, std::thread::hardware_concurrency());
}

}  // namespace

core::Result<std::unique_ptr<Config>> Load() {
  auto cfg = std::make_unique<Config>();
  TRY_PREFIX(core::DecodeJSON("config.json", cfg.get()), "Cannot decode 'config.json': ");
  // The band count of scaled drawing follows the machine, never the file.
  cfg->NumCPU = availableProcessors();
  return cfg;
}

}  // namespace config
