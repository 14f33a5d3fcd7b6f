// A small fixed pool of worker threads for the bands of scaled drawing.
//
// The threads are made once, with the video context, and joined when it is dropped. One
// call hands out n band tasks; the calling thread works on bands too and returns only when
// every band is done, so no task outlives the drawing call and the screen buffer is never
// written while it is presented.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace video {

class Bands {
 public:
  // A pool with `workers` threads besides the caller (0: every band runs on the caller).
  explicit Bands(int workers);
  ~Bands();
  Bands(const Bands&) = delete;
  Bands& operator=(const Bands&) = delete;

  int Workers() const { return static_cast<int>(threads_.size()); }
  // Number of Run calls that handed out work; tests use it to see that nothing started.
  std::uint64_t Runs() const { return runs_; }

  // Runs task(band) for band = 0 … n − 1, spread over the workers and the caller, and
  // returns when all have finished. Must be called from one thread at a time.
  template <class F>
  void Run(int n, const F& task) {
    run(
        n, [](const void* f, int band) { (*static_cast<const F*>(f))(band); }, &task);
  }

 private:
  using Trampoline = void (*)(const void*, int);
  void run(int n, Trampoline fn, const void* arg);
  void work();
  // Takes the next band of the current job under the lock and runs it; false when none.
  bool runOne(std::unique_lock<std::mutex>& lock);

  std::mutex mutex_;
  std::condition_variable wake_;  // workers: a job arrived, or the pool stops
  std::condition_variable done_;  // caller: the last band finished
  Trampoline fn_ = nullptr;
  const void* arg_ = nullptr;
  int count_ = 0;    // bands of the current job
  int next_ = 0;     // next band to hand out
  int pending_ = 0;  // bands handed out or waiting that have not finished
  bool stop_ = false;
  std::uint64_t runs_ = 0;
  std::vector<std::thread> threads_;
};

}  // namespace video
