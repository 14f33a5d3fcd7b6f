// Frame bytes owned by a picture or sliced out of a cinema's block, and the blocks.
#include "core/video/frame_blocks.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <vector>

namespace {

using video::FramePixels;

TEST(FramePixels, OwnBytesCopyDeepAndMoveWhole) {
  FramePixels a(std::vector<std::uint8_t>{1, 2, 3, 4});
  FramePixels b = a;
  b[0] = 9;
  EXPECT_EQ(a[0], 1);
  EXPECT_NE(a.data(), b.data());

  const std::uint8_t* bytes = a.data();
  FramePixels c = std::move(a);
  EXPECT_EQ(c.data(), bytes);
  EXPECT_EQ(c.size(), 4u);
  EXPECT_TRUE(a.empty());  // a moved-from FramePixels is empty

  FramePixels d;
  d = c;
  EXPECT_EQ(std::vector<std::uint8_t>(d.begin(), d.end()), (std::vector<std::uint8_t>{1, 2, 3, 4}));
}

// A slice keeps its block alive; copies share the bytes; resizing makes the bytes its own.
TEST(FramePixels, SlicesShareTheirBlock) {
  auto block = std::make_shared<std::vector<std::uint8_t>>(8, 7);
  FramePixels slice(block, block->data() + 4, 4);
  std::weak_ptr<std::vector<std::uint8_t>> watch = block;
  block.reset();
  ASSERT_FALSE(watch.expired());

  FramePixels copy = slice;
  EXPECT_EQ(copy.data(), slice.data());

  copy.resize(6);
  EXPECT_NE(copy.data(), slice.data());
  EXPECT_EQ(std::vector<std::uint8_t>(copy.begin(), copy.end()),
            (std::vector<std::uint8_t>{7, 7, 7, 7, 0, 0}));
  slice.assign(2, 5);
  EXPECT_EQ(slice.size(), 2u);
  EXPECT_TRUE(watch.expired());
}

TEST(FrameBlocks, FramesOfAnnouncedCountLieInOneBlock) {
  constexpr std::size_t BYTES = 5000;  // not a whole number of pages
  std::vector<FramePixels> frames;
  {
    video::FrameBlocks blocks(BYTES, 40, 10);
    for (int i = 0; i < 30; ++i) {
      auto f = blocks.Next();
      ASSERT_TRUE(f) << f.error().Message;
      ASSERT_EQ(f->size(), BYTES);
      std::memset(f->data(), i, BYTES);
      frames.push_back(std::move(*f));
    }
    for (std::size_t i = 1; i < 10; ++i)
      EXPECT_EQ(frames[i].data(), frames[i - 1].data() + BYTES) << i;
    blocks.Trim();
  }
  // The blocks outlive their maker as long as a frame in them does.
  for (std::size_t i = 0; i < frames.size(); ++i) {
    EXPECT_EQ(frames[i][0], i);
    EXPECT_EQ(frames[i][BYTES - 1], i);
  }
}

TEST(FrameBlocks, NoMoreThanTheMaximum) {
  for (std::int64_t expected : {0, 3, 100}) {
    SCOPED_TRACE(expected);
    video::FrameBlocks blocks(4096, 3, expected);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(blocks.Next());
    EXPECT_FALSE(blocks.Next());
    EXPECT_EQ(blocks.Frames(), 3u);
  }
}

}  // namespace
