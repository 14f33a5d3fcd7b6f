// Memory for the frames of one cinema.
//
// A decoded cinema is large (a 10-second 1280 × 720 clip holds 921 MB) and written once, in
// order. Its frames are slices of a few large blocks mapped straight from the system, one
// block when the frame count is known: one mapping to release instead of hundreds.
//
// Memory fresh from the system costs the kernel work of a page fault per 4 KiB page on first
// touch: for a whole cinema about as much time as decoding it. A thread of the block's own
// therefore makes the pages of the next few frames present (MADV_POPULATE_WRITE, the same
// kernel work without a fault per page), keeping a few frames ahead of the loader, so the
// kernel work runs beside the decoding, in the time the decoder's threads leave idle,
// instead of in its way; running further ahead only takes processor time from the decoder
// while it is busy. Transparent huge pages would
// need 512 times fewer faults, but on a virtual machine that hands free memory back to its
// host (free page reporting), huge pages come from exactly that memory and their first touch
// waits for the host: 0.1 s for a cinema in one run, 2 s a few seconds later. The cinema
// benchmark shows both.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <thread>

#include "core/error.h"
#include "core/video/frame_pixels.h"

namespace video {

// Frames whose pages are made present ahead of the last frame handed out.
constexpr std::size_t FRAME_BLOCKS_POPULATE_AHEAD = 8;
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
  struct Ahead;
  [[nodiscard]] core::Result<void> newBlock();
  void stopPopulating();

  std::size_t frameBytes_;
  std::size_t maxFrames_;
  std::size_t expectedFrames_;    // frames the first block is made for; 0 when unknown
  std::size_t frames_ = 0;        // frames handed out
  std::shared_ptr<Block> block_;  // the block being filled
  std::size_t inBlock_ = 0;       // frames handed out of it
  std::shared_ptr<Ahead> ahead_;  // what the populating thread and the loader share
  std::jthread populater_;        // makes the pages of block_ present
};

}  // namespace video
