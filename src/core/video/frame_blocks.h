// Memory for the frames of one cinema.
//
// A decoded cinema is large (a 10-second 1280 × 720 clip holds 921 MB) and written once, in
// order. Its frames are slices of a few large blocks mapped straight from the system, one
// block when the frame count is known: one mapping to release instead of hundreds.
//
// Memory fresh from the system costs the kernel work of a page fault per 4 KiB page on first
// touch: for a whole cinema about as much time as decoding it. A thread of the block's own
// therefore makes its pages present in large steps (MADV_POPULATE_WRITE, the same kernel
// work without a fault per page) while the loader decodes and writes behind it, so the
// kernel work runs beside the decoding instead of in its way. Transparent huge pages would
// need 512 times fewer faults, but on a virtual machine that hands free memory back to its
// host (free page reporting), huge pages come from exactly that memory and their first touch
// waits for the host: 0.1 s for a cinema in one run, 2 s a few seconds later. The cinema
// benchmark shows both.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <thread>

#include "core/error.h"
#include "core/video/frame_pixels.h"

namespace video {

// Frames made present per system call of the populating thread; it looks for a stop
// request between two calls.
constexpr std::size_t FRAME_BLOCKS_POPULATE_FRAMES = 8;
// Frames per block when the count is unknown, or beyond the count that was announced.
constexpr std::size_t FRAME_BLOCKS_CHUNK_FRAMES = 64;

class FrameBlocks {
 public:
  // Frames of frameBytes bytes each, at most maxFrames of them; expectedFrames (0: unknown)
  // sizes the first block.
  FrameBlocks(std::size_t frameBytes, std::size_t maxFrames, std::int64_t expectedFrames);
  FrameBlocks(const FrameBlocks&) = delete;
  FrameBlocks& operator=(const FrameBlocks&) = delete;
  ~FrameBlocks();

  // The bytes of the next frame (contents undefined until written). Fails when maxFrames
  // have been handed out or the system has no memory for another.
  [[nodiscard]] core::Result<FramePixels> Next();
  // Returns the pages of the last block beyond the last frame handed out.
  void Trim();

  std::size_t Frames() const { return frames_; }

 private:
  struct Block;
  [[nodiscard]] core::Result<void> newBlock();
  void stopPopulating();

  std::size_t frameBytes_;
  std::size_t maxFrames_;
  std::size_t expectedFrames_;    // frames the first block is made for; 0 when unknown
  std::size_t frames_ = 0;        // frames handed out
  std::shared_ptr<Block> block_;  // the block being filled
  std::size_t inBlock_ = 0;       // frames handed out of it
  // errno of a failed population (the system is out of memory), 0 while none failed.
  std::shared_ptr<std::atomic<int>> populateError_ = std::make_shared<std::atomic<int>>(0);
  std::jthread populater_;  // makes the pages of block_ present
};

}  // namespace video
