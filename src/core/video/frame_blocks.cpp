#include "core/video/frame_blocks.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

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

FrameBlocks::FrameBlocks(std::size_t frameBytes, std::size_t maxFrames, std::int64_t expectedFrames)
    : frameBytes_(std::max<std::size_t>(frameBytes, 1)),
      maxFrames_(maxFrames),
      expectedFrames_(expectedFrames > 0 ? static_cast<std::size_t>(expectedFrames) : 0) {}

core::Result<void> FrameBlocks::newBlock() {
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
  block_ = std::move(block);
  inBlock_ = 0;
  present_ = 0;
  return {};
}

core::Result<FramePixels> FrameBlocks::Next() {
  if (frames_ >= maxFrames_) return core::Fail("No frames left to hand out");
  if (!block_ || inBlock_ == block_->frames) TRY(newBlock());

  if (inBlock_ >= present_) {
    // The pages of the next few frames in one call, instead of one fault per page while
    // the frames are written.
    const std::size_t upto = std::min(present_ + FRAME_BLOCKS_POPULATE_FRAMES, block_->frames);
    const std::size_t page = pageSize();
    const std::size_t from = present_ * frameBytes_ / page * page;
    const std::size_t to = std::min(roundUp(upto * frameBytes_, page), block_->length);
    if (madvise(block_->base + from, to - from, MADV_POPULATE_WRITE) != 0 && errno == ENOMEM)
      return core::Fail(std::string("Cannot get frame memory: ") + strerror(errno));
    // Any other failure (a kernel without the call) leaves the pages to fault in on writing.
    present_ = upto;
  }

  FramePixels pixels(block_, block_->base + inBlock_ * frameBytes_, frameBytes_);
  ++inBlock_;
  ++frames_;
  return pixels;
}

void FrameBlocks::Trim() {
  if (!block_) return;
  const std::size_t keep = roundUp(inBlock_ * frameBytes_, pageSize());
  if (keep >= block_->length) return;
  munmap(block_->base + keep, block_->length - keep);
  block_->length = keep;
  block_->frames = inBlock_;
  present_ = std::min(present_, inBlock_);
}

}  // namespace video
