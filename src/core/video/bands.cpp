#include "core/video/bands.h"

namespace video {

Bands::Bands(int workers) {
  threads_.reserve(static_cast<std::size_t>(workers > 0 ? workers : 0));
  for (int i = 0; i < workers; ++i) threads_.emplace_back([this] { work(); });
}

Bands::~Bands() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  for (auto& t : threads_) t.join();
}

bool Bands::runOne(std::unique_lock<std::mutex>& lock) {
  if (next_ >= count_) return false;
  const int band = next_++;
  Trampoline fn = fn_;
  const void* arg = arg_;
  lock.unlock();
  fn(arg, band);
  lock.lock();
  if (--pending_ == 0) done_.notify_one();
  return true;
}

void Bands::run(int n, Trampoline fn, const void* arg) {
  if (n <= 0) return;
  ++runs_;
  if (threads_.empty() || n == 1) {
    for (int band = 0; band < n; ++band) fn(arg, band);
    return;
  }
  std::unique_lock lock(mutex_);
  fn_ = fn;
  arg_ = arg;
  count_ = n;
  next_ = 0;
  pending_ = n;
  wake_.notify_all();
  while (runOne(lock)) {
  }
  done_.wait(lock, [this] { return pending_ == 0; });
  // Nothing of this job may be reached once the caller's task object is gone.
  fn_ = nullptr;
  arg_ = nullptr;
  count_ = 0;
  next_ = 0;
}

void Bands::work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stop_ || next_ < count_; });
    if (stop_) return;
    runOne(lock);
  }
}

}  // namespace video
