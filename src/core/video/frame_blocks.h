// Memory for the frames of one cinema.
//
// A decoded cinema is large (a 10-second 1280 × 720 clip holds 921 MB) and written once, in
// order. Its frames are slices of a few large blocks mapped straight from the system, one
// block when the frame count is known: one mapping to release instead of hundreds. Memory
// fresh from the system costs a page fault per 4 KiB page on first touch, and those faults
// cost as much time as the decoding itself; the pages of the next few frames are therefore
// made present in one system call ahead of the writing (MADV_POPULATE_WRITE), which does the
// same kernel work for about half the time. Transparent huge pages would need still fewer
// faults, but on a virtual machine that hands free memory back to its host, huge pages are
// taken from exactly that memory and their first touch waits for the host: 0.1 s in one run,
// 2 s in the next. See the cinema benchmark.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/error.h"
#include "core/video/frame_pixels.h"

namespace video {

// Frames made present ahead of the writing, per system call.
constexpr std::size_t FRAME_BLOCKS_POPULATE_FRAMES = 8;
// Frames per block when the count is unknown, or beyond the count that was announced.
constexpr std::size_t FRAME_BLOCKS_CHUNK_FRAMES = 64;

class FrameBlocks {
 public:
  // Frames of frameBytes bytes each, at most maxFrames of them; expectedFrames (0: unknown)
  // sizes the first block.
  FrameBlocks(std::size_t frameBytes, std::size_t maxFrames, std::int64_t expectedFrames);

  // The bytes of the next frame (contents undefined until written). Fails when maxFrames
  // have been handed out or the system has no memory for another.
  [[nodiscard]] core::Result<FramePixels> Next();
  // Returns the pages of the last block beyond the last frame handed out.
  void Trim();

  std::size_t Frames() const { return frames_; }

 private:
  struct Block;
  [[nodiscard]] core::Result<void> newBlock();

  std::size_t frameBytes_;
  std::size_t maxFrames_;
  std::size_t expectedFrames_;    // frames the first block is made for; 0 when unknown
  std::size_t frames_ = 0;        // frames handed out
  std::shared_ptr<Block> block_;  // the block being filled
  std::size_t inBlock_ = 0;       // frames handed out of it
  std::size_t present_ = 0;       // frames of it whose pages are present
};

}  // namespace video
