// Two sound slots for cross-fading ambient sound or music: the current slot plays while the
// next track is loaded into the other one in the background.
#pragma once

#include <array>
#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "core/handover.h"
#include "core/sound.h"

namespace audio {

struct SoundPair {
  // Busy flag: set while one pair operation runs. An operation that finds it set does
  // nothing (a try-lock, never a wait). Tested and set in one atomic exchange, so the main
  // thread and a loader can never both see it free.
  std::atomic<bool> lock = false;
  std::array<std::unique_ptr<Sound>, 2> sounds;  // either slot may be empty
  int thisIndex = 0;  // the current slot; 1 - thisIndex is the incoming one
  // The background loader of the last load request; declared last so that it is stopped
  // and joined before the slots it writes are destroyed.
  std::jthread loader;

  // Starts loading `path` into the incoming slot in the background; the sound starts at
  // volume 0 with `repeats` (-1: for ever). `done` receives true exactly once, also when the
  // pair is busy (nothing is loaded then) and when the load fails (the slot stays empty).
  void loadPlayAsync(const std::string& path, int repeats, const MixerFormat& fmt,
                     core::Handover<bool> done);
  // Ends the current slot's sound and makes the incoming slot current; skipped when busy.
  void flip();
  // Volumes of the current and incoming slot: vol × volContext / 100, truncated. Skipped
  // when busy.
  void setVolumes(int volThis, int volThat, int volContext);
  // Halts and frees the sound of slot i (0 or 1; anything else does nothing), emptying it.
  void stopclean(int i);
  // Stops a running loader and waits for it; afterwards no thread touches the pair.
  void cancel();

 private:
  bool tryLock() { return !lock.exchange(true, std::memory_order_acquire); }
  void unlock() { lock.store(false, std::memory_order_release); }
  void load(std::stop_token stop, const std::string& path, int repeats, const MixerFormat& fmt);
};

}  // namespace audio
