// The state shared by the plays: which play runs and comes next, the chosen verse, and one
// slot for the running play's own record.
#pragma once

#include <any>
#include <memory>
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
  // The running play's own record, made by MakeLocal and read through LocalAs: a caller
  // that expects one record type never reads another play's record.
  std::any Local;

  template <class T, class... Args>
  T& MakeLocal(Args&&... args) {
    auto record = std::make_shared<T>(std::forward<Args>(args)...);
    Local = record;
    return *record;
  }

  // The running play's record if it is a T, otherwise null.
  template <class T>
  T* LocalAs() {
    auto* record = std::any_cast<std::shared_ptr<T>>(&Local);
    return record ? record->get() : nullptr;
  }
};

}  // namespace play
