// The pixel bytes of one frame. A picture owns its bytes; the frames of a cinema are slices
// of one memory block that holds the whole decoded video (one allocation instead of hundreds
// of large ones), each slice keeping the block alive. Readers see the same thing either way:
// data() and size(), like a byte vector.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace video {

class FramePixels {
 public:
  FramePixels() = default;
  // A picture's own bytes.
  FramePixels(std::vector<std::uint8_t> bytes)  // NOLINT: implicit, a frame is made from bytes
      : own_(std::move(bytes)), data_(own_.data()), size_(own_.size()) {}
  // `size` bytes at `data` inside a block that `keep` holds.
  FramePixels(std::shared_ptr<const void> keep, std::uint8_t* data, std::size_t size)
      : keep_(std::move(keep)), data_(data), size_(size) {}

  FramePixels(const FramePixels& o) { *this = o; }
  FramePixels(FramePixels&& o) noexcept { *this = std::move(o); }
  FramePixels& operator=(const FramePixels& o) {
    if (this == &o) return *this;
    own_ = o.own_;
    keep_ = o.keep_;
    data_ = o.keep_ ? o.data_ : own_.data();
    size_ = o.size_;
    return *this;
  }
  FramePixels& operator=(FramePixels&& o) noexcept {
    if (this == &o) return *this;
    own_ = std::move(o.own_);  // moving a vector keeps its buffer, so data_ stays valid
    keep_ = std::move(o.keep_);
    data_ = o.data_;
    size_ = o.size_;
    o.own_.clear();
    o.data_ = nullptr;
    o.size_ = 0;
    return *this;
  }

  std::uint8_t* data() { return data_; }
  const std::uint8_t* data() const { return data_; }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  std::uint8_t& operator[](std::size_t i) { return data_[i]; }
  const std::uint8_t& operator[](std::size_t i) const { return data_[i]; }
  std::uint8_t* begin() { return data_; }
  std::uint8_t* end() { return data_ + size_; }
  const std::uint8_t* begin() const { return data_; }
  const std::uint8_t* end() const { return data_ + size_; }

  // Own bytes of the given size: a slice is copied out of its block first; new bytes are 0.
  void resize(std::size_t n) {
    if (keep_) {
      own_.assign(data_, data_ + size_);
      keep_.reset();
    }
    own_.resize(n);
    data_ = own_.data();
    size_ = n;
  }
  // n own bytes, all `value`.
  void assign(std::size_t n, std::uint8_t value) {
    keep_.reset();
    own_.assign(n, value);
    data_ = own_.data();
    size_ = n;
  }

 private:
  std::vector<std::uint8_t> own_;     // a picture's bytes; empty for a slice
  std::shared_ptr<const void> keep_;  // the block a slice lies in
  std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace video
