// The state shared by the plays: which play runs and comes next, the chosen verse, and one
// slot for the running play's own record.
#pragma once

#include <any>
#include <string>

#include "core/error.h"

namespace play {

// Where the chosen verse id outlives the process.
inline constexpr const char* VERSE_STATE_FILE = "states/verse.json";

struct Control {
  std::string SelVerseId;
  std::string PrevPlay;
  std::string CurrPlay;
  std::string NextPlay;
  bool Terminate = false;

  // Sets the first play and reads the chosen verse id.
  [[nodiscard]] core::Result<void> Init();
  // Stores the chosen verse id.
  [[nodiscard]] core::Result<void> Drop();
};

struct States {
  play::Control* Control = nullptr;
  // The running play's own record. Typed access through LocalAs: a caller that expects
  // one record type never reads another play's record.
  std::any Local;

  template <class T>
  T* LocalAs() {
    return std::any_cast<T>(&Local);
  }
};

}  // namespace play
