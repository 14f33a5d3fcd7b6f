// Masters split a play's frame into ordered workers: the order in which they are added is
// the order in which they act, so later masters see and draw over what earlier ones did.
#pragma once

#include <initializer_list>
#include <vector>

#include "core/context.h"
#include "core/error.h"
#include "play/state.h"

namespace play {

class Master {
 public:
  virtual ~Master() = default;
  // The master's work for one frame.
  [[nodiscard]] virtual core::Result<void> Do() = 0;
  // Called once before the first frame; the master may keep ctx and st.
  [[nodiscard]] virtual core::Result<void> Start(core::Context& ctx, States& st) = 0;
  // Called once after the last frame.
  [[nodiscard]] virtual core::Result<void> Stop() = 0;
};

class Mastermind {
 public:
  // Appends masters after those already held; the play that created them owns them.
  void Add(std::initializer_list<Master*> ms) { masters.insert(masters.end(), ms); }

  // One engine Sync, then every master's Start in order; stops at the first failure.
  [[nodiscard]] core::Result<void> Start(core::Context& ctx, States& st);
  // Every master's Do in order; the masters after a failing one skip this frame.
  [[nodiscard]] core::Result<void> Do();
  // Every master's Stop in the order they were added; stops at the first failure.
  [[nodiscard]] core::Result<void> Stop();

 private:
  std::vector<Master*> masters;
};

}  // namespace play
