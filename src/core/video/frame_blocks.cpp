#include "core/video/frame_blocks.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <string>
#include <system_error>

namespace video {
namespace {

std::size_t pageSize() { return static_cast<std::size_t>(sysconf(_SC_PAGESIZE)); }

std::size_t roundUp(std::size_t n, std::size_t unit) { return (n + unit - 1) / unit * unit; }

}  // namespace

// One mapping; unmapped when the last frame in it is released.
struct FrameBlocks::Block {
  std::uint8_t* base = nullptr;
  std::size_t length = 0;  // bytes mapped
  std::size_t frames = 0;  // frames it was made for

  Block() = default;
  Block(const Block&) = delete;
  Block& operator=(const Block&) = delete;
  ~Block() {
    if (length > 0) munmap(base, length);
  }
};

// The loader's progress in the block being filled, and how populating it went.
struct FrameBlocks::Ahead {
  std::mutex mutex;
  std::condition_variable_any moved;
  std::size_t handedOut = 0;  // frames of the block handed out
  int error = 0;              // errno of a failed population (out of memory); 0 while none
};

FrameBlocks::FrameBlocks(std::size_t frameBytes, std::size_t maxFrames, std::int64_t expectedFrames)
    : frameBytes_(std::max<std::size_t>(frameBytes, 1)),
      maxFrames_(maxFrames),
      expectedFrames_(expectedFrames > 0 ? static_cast<std::size_t>(expectedFrames) : 0),
      ahead_(std::make_shared<Ahead>()) {}

FrameBlocks::~FrameBlocks() { stopPopulating(); }

void FrameBlocks::stopPopulating() {
  if (!populater_.joinable()) return;
  populater_.request_stop();
  populater_.join();
}

core::Result<void> FrameBlocks::newBlock() {
  stopPopulating();
  std::size_t frames =
      (frames_ == 0 && expectedFrames_ > 0) ? expectedFrames_ : FRAME_BLOCKS_CHUNK_FRAMES;
  frames = std::min(frames, maxFrames_ - frames_);
  auto block = std::make_shared<Block>();
  const std::size_t length = roundUp(frames * frameBytes_, pageSize());
  // No swap space is reserved: the budget, not the system's accounting, bounds a cinema.
  void* p = mmap(nullptr, length, PROT_READ | PROT_WRITE,
                 MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  if (p == MAP_FAILED)
    return core::Fail(std::string("Cannot map frame memory: ") + strerror(errno));
  block->base = static_cast<std::uint8_t*>(p);
  block->length = length;
  block->frames = frames;
  block_ = block;
  inBlock_ = 0;

  {
    std::lock_guard lock(ahead_->mutex);
    ahead_->handedOut = 0;
  }
  try {
    populater_ = std::jthread([block, ahead = ahead_, frameBytes = frameBytes_,
                               page = pageSize()](std::stop_token stop) {
      for (std::size_t done = 0; done < block->frames && !stop.stop_requested();) {
        std::size_t target;
        {
          std::unique_lock lock(ahead->mutex);
          // Until the loader comes near. A stop request ends the wait too, whatever the
          // condition says: the loops test for the request themselves.
          ahead->moved.wait(lock, stop,
                            [&] { return ahead->handedOut + FRAME_BLOCKS_POPULATE_AHEAD > done; });
          target = std::min(block->frames, ahead->handedOut + FRAME_BLOCKS_POPULATE_AHEAD);
        }
        // One frame per call, so that a stop request is seen soon.
        for (; done < target && !stop.stop_requested(); ++done) {
          const std::size_t from = done * frameBytes / page * page;
          const std::size_t to = std::min(roundUp((done + 1) * frameBytes, page), block->length);
          if (madvise(block->base + from, to - from, MADV_POPULATE_WRITE) == 0) continue;
          // Out of memory: the loader fails at its next frame. Any other failure (a kernel
          // without the call) leaves the pages to fault in as they are written.
          if (errno == ENOMEM) {
            std::lock_guard lock(ahead->mutex);
            ahead->error = ENOMEM;
          }
          return;
        }
      }
    });
  } catch (const std::system_error&) {
    // No thread to spare: the pages fault in as they are written.
  }
  return {};
}

core::Result<FramePixels> FrameBlocks::Next() {
  if (frames_ >= maxFrames_) return core::Fail("No frames left to hand out");
  {
    std::lock_guard lock(ahead_->mutex);
    if (ahead_->error)
      return core::Fail(std::string("Cannot get frame memory: ") + strerror(ahead_->error));
  }
  if (!block_ || inBlock_ == block_->frames) TRY(newBlock());
  FramePixels pixels(block_, block_->base + inBlock_ * frameBytes_, frameBytes_);
  ++inBlock_;
  ++frames_;
  {
    std::lock_guard lock(ahead_->mutex);
    ahead_->handedOut = inBlock_;
  }
  ahead_->moved.notify_one();
  return pixels;
}

void FrameBlocks::Trim() {
  if (!block_) return;
  // The populating thread must not touch what is given back.
  stopPopulating();
  const std::size_t keep = roundUp(inBlock_ * frameBytes_, pageSize());
  if (keep >= block_->length) return;
  munmap(block_->base + keep, block_->length - keep);
  block_->length = keep;
  block_->frames = inBlock_;
}

}  // namespace video
