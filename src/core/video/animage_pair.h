// The cinema pair: two slots, the current cinema on screen and the next one, which loads in
// the background while the current one keeps playing; and the geometry of the transitions
// from one to the other.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <stop_token>
#include <string>
#include <thread>

#include "core/handover.h"
#include "core/video/animage.h"

namespace video {

// The memory both cinemas may hold together: half of the machine's physical memory. A load
// gets what the current cinema leaves of it, is refused before decoding when its video
// announces more, and fails as soon as its frames exceed it; so two cinemas never take the
// machine's memory, and one too large fails like any other load instead of getting the
// program killed.
std::uint64_t CinemaMemoryBudget();

// Bytes a loaded cinema holds: its frames' pixels and records.
std::uint64_t CinemaBytes(const Animage& cinema);

struct AnimagePair {
  // Busy flag: set while a load or a flip works on the pair. An operation that finds it set
  // does nothing (a try-lock, never a wait); tested and set in one atomic exchange. While a
  // load holds it, the incoming slot belongs to the loader thread: the main thread neither
  // reads nor writes it (see incoming()).
  std::atomic<bool> lock = false;
  std::array<std::shared_ptr<Animage>, 2> animages;  // either slot may be empty
  int thisIndex = 0;  // the current slot; 1 - thisIndex receives the next cinema
  std::uint64_t budget = CinemaMemoryBudget();  // bytes both slots may hold together
  // The loader of the last load request; declared last so that it is stopped and joined
  // before the slots it writes are destroyed.
  std::jthread loader;

  // Loads the video at `apath` into the incoming slot in the background and starts it with
  // `repeats` from engine tick 0. `sem` receives true exactly once: when the load has
  // ended (the slot then holds a ready cinema, or is empty after a failure), at once when
  // the pair is busy (nothing is loaded), and also when the load is cancelled.
  void loadRunAnimageFromVideoAsync(const std::string& apath, int repeats,
                                    core::Handover<bool> sem);
  // Releases the current cinema and makes the incoming slot current; skipped when busy.
  void flip();
  // Releases the cinema of slot i (0 or 1; anything else does nothing) and empties the slot.
  void clean(int i);
  // Stops a running load, then empties both slots.
  void cleanBoth();
  // Stops a running load and waits for it; afterwards no thread touches the pair.
  void cancel();
  // Advances the ready cinemas of slot 0, then slot 1, to the engine tick `ticks`.
  void sync(std::int64_t ticks);

  // The current and the incoming cinema when they are ready to be drawn, else null. Main
  // thread only: while a load runs the incoming one is null.
  Animage* current() const;
  Animage* incoming() const;

 private:
  bool tryLock() { return !lock.exchange(true, std::memory_order_acquire); }
  void unlock() { lock.store(false, std::memory_order_release); }
  Animage* readySlot(int i) const;
  void load(std::stop_token stop, const std::string& apath, int repeats, int that,
            std::uint64_t loadBudget);
};

// One scaled draw of a cinema: top-left corner relative to the screen centre, size and
// opacity (0 … 256).
struct CinemaDraw {
  int x = 0, y = 0, w = 0, h = 0, alpha = 0;
  bool operator==(const CinemaDraw&) const = default;
};

// A cinema of w0 × h0 as large as fits a screenW × screenH screen, centred.
CinemaDraw cinemaFitted(int w0, int h0, int screenW, int screenH, int alpha);

// The zoom from the current cinema (thisW × thisH) into its rectangle centred at rectCenter
// (the current cinema's own pixels) and rectWidth wide, which becomes the next cinema
// (thatW × thatH), at progress lambda: the current cinema's draw, then the next one's.
std::array<CinemaDraw, 2> cinemaZoom(double lambda, int thisW, int thisH, int thatW, int thatH,
                                     int screenW, int screenH, std::array<int, 2> rectCenter,
                                     int rectWidth);

}  // namespace video
