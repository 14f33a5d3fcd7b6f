// A handover of values from a background task to the main thread: the completion signal of
// the background loaders (sound pairs, cinema pair).
//
// Copies of a Handover share one channel, so the caller keeps one copy and passes another
// to the loader; the channel lives as long as either holds it. The sender never waits: a
// value nobody takes (the screen ended while a load was running) stays in the channel and
// is dropped with it, so a loader can always finish and be joined. Values are taken in the
// order they were sent; each load request sends exactly one.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>

namespace core {

template <class T>
class Handover {
 public:
  Handover() : state_(std::make_shared<State>()) {}

  // Hands `value` over and returns at once.
  void Send(T value) const {
    {
      std::lock_guard lock(state_->mutex);
      state_->values.push_back(std::move(value));
    }
    state_->ready.notify_all();
  }

  // The oldest value sent and not yet taken, without waiting; none when nothing is there.
  [[nodiscard]] std::optional<T> TryTake() const {
    std::lock_guard lock(state_->mutex);
    return popLocked();
  }

  // Waits up to `timeout` for a value.
  [[nodiscard]] std::optional<T> TakeFor(std::chrono::milliseconds timeout) const {
    std::unique_lock lock(state_->mutex);
    state_->ready.wait_for(lock, timeout, [this] { return !state_->values.empty(); });
    return popLocked();
  }

  // Waits until a value arrives. Only for a sender that is known to send.
  [[nodiscard]] T Take() const {
    std::unique_lock lock(state_->mutex);
    state_->ready.wait(lock, [this] { return !state_->values.empty(); });
    return *popLocked();
  }

 private:
  struct State {
    std::mutex mutex;
    std::condition_variable ready;
    std::deque<T> values;
  };

  std::optional<T> popLocked() const {
    if (state_->values.empty()) return std::nullopt;
    std::optional<T> value(std::move(state_->values.front()));
    state_->values.pop_front();
    return value;
  }

  std::shared_ptr<State> state_;
};

}  // namespace core
