// Decoding whole video files into animages.
#include "core/video/cinema.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <stop_token>

#include "support/temp_dir.h"
#include "support/video_files.h"

namespace {

using testsupport::MakeNumberedClip;
using testsupport::MakeVideo;

constexpr std::uint64_t PLENTY = std::uint64_t{1} << 30;

// The clips are made once for the whole suite.
class Cinema : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir = std::make_unique<testsupport::TempDir>(false);
    // 50 pictures at 25 per second, B-frames: the decoder holds pictures back.
    ASSERT_TRUE(MakeNumberedClip(path("numbered.mp4"), 32, 24, 25, 50));
    // Matroska announces no frame count.
    ASSERT_TRUE(MakeNumberedClip(path("numbered.mkv"), 32, 24, 25, 50));
    ASSERT_TRUE(MakeVideo(path("red.mp4"),
                          "-f lavfi -i color=c=red:s=16x16:r=25 -frames:v 3 -c:v libx264 -qp 0"));
    // Stream 0 is the sound, stream 1 the pictures.
    ASSERT_TRUE(MakeVideo(path("sound_first.mp4"),
                          "-f lavfi -i sine=d=1 -f lavfi -i testsrc=s=16x16:r=10:d=1 "
                          "-map 0:a -map 1:v -c:a aac -c:v libx264"));
    ASSERT_TRUE(MakeVideo(path("sound.m4a"), "-f lavfi -i sine=d=1 -c:a aac"));
    const std::string mp4 = dir->Read("numbered.mp4"), mkv = dir->Read("numbered.mkv");
    // Without its index (at the end of an MP4 file) nothing can be read.
    dir->Write("truncated.mp4", mp4.substr(0, mp4.size() / 2));
    dir->Write("truncated.mkv", mkv.substr(0, mkv.size() / 2));
    dir->Write("garbage.mp4", std::string(4096, '\x5a'));
  }
  static void TearDownTestSuite() { dir.reset(); }

  static std::string path(const std::string& name) { return (dir->Path() / name).string(); }

  // The animage of a load that is expected to succeed.
  static std::unique_ptr<video::Animage> loaded(const std::string& name) {
    auto a = std::make_unique<video::Animage>();
    auto res = video::loadFromVideo(*a, path(name), PLENTY);
    if (!res) ADD_FAILURE() << name << ": " << res.error().Message;
    return a;
  }

  // The blue byte of the first pixel of each frame.
  static std::vector<int> blues(const video::Animage& a) {
    std::vector<int> b;
    for (const auto& f : a.frames) b.push_back(f.pixels[0]);
    return b;
  }

  static std::unique_ptr<testsupport::TempDir> dir;
};

std::unique_ptr<testsupport::TempDir> Cinema::dir;

TEST_F(Cinema, EveryPictureInOrderWithTheHeldBackOnesAtTheEnd) {
  video::Animage a;
  a.Run(3, 4, 5);  // a load starts afresh
  auto res = video::loadFromVideo(a, path("numbered.mp4"), PLENTY);
  ASSERT_TRUE(res) << res.error().Message;
  ASSERT_EQ(a.frames.size(), 50u);
  // Picture n has luma 16 + 4n, that is grey 4n × 255 / 219 after conversion.
  const auto b = blues(a);
  for (int n = 0; n < 50; ++n)
    EXPECT_NEAR(b[static_cast<std::size_t>(n)], 4 * n * 255 / 219.0, 2) << n;
  for (const auto& f : a.frames) {
    EXPECT_EQ(f.width, 32);
    EXPECT_EQ(f.height, 24);
    ASSERT_EQ(f.pixels.size(), 32u * 24 * 4);
    EXPECT_EQ(f.pixels[3], 255);
  }
  // One cycle lasts as long as the clip: 50 pictures at 25 per second.
  EXPECT_DOUBLE_EQ(a.rate, 0.5);
  EXPECT_FALSE(a.ready);
  EXPECT_EQ(a.curr, 0);
  EXPECT_EQ(a.fract, 0);
  EXPECT_EQ(a.start, 0);
  EXPECT_EQ(a.repeats, 0);
  // The frames lie one after the other in one block.
  for (std::size_t i = 1; i < a.frames.size(); ++i)
    EXPECT_EQ(a.frames[i].pixels.data(), a.frames[i - 1].pixels.data() + 32 * 24 * 4);
}

TEST_F(Cinema, PixelsAreBlueGreenRedAlpha) {
  auto a = loaded("red.mp4");
  ASSERT_EQ(a->frames.size(), 3u);
  const auto c = a->GetPixel(2, 8, 8);
  EXPECT_GE(c.R, 250);
  EXPECT_LE(c.G, 5);
  EXPECT_LE(c.B, 5);
  EXPECT_EQ(c.A, 255);
}

TEST_F(Cinema, WithoutAnnouncedCountTheRateIsTheFrameRate) {
  auto a = loaded("numbered.mkv");
  EXPECT_EQ(a->frames.size(), 50u);
  EXPECT_DOUBLE_EQ(a->rate, 25);
}

TEST_F(Cinema, OnlyThePicturesOfTheVideoStream) {
  auto a = loaded("sound_first.mp4");
  EXPECT_EQ(a->frames.size(), 10u);
  EXPECT_EQ(a->W0(), 16);
  EXPECT_DOUBLE_EQ(a->rate, 1);
}

// A file cut short inside its pictures gives the pictures before the cut.
TEST_F(Cinema, TruncatedStreamKeepsThePicturesBeforeTheCut) {
  auto a = loaded("truncated.mkv");
  ASSERT_GT(a->frames.size(), 0u);
  ASSERT_LT(a->frames.size(), 50u);
  const auto b = blues(*a);
  for (std::size_t n = 0; n < b.size(); ++n) EXPECT_NEAR(b[n], 4 * n * 255 / 219.0, 2) << n;
}

TEST_F(Cinema, FailuresAndTheirMessages) {
  struct Case {
    const char* file;
    std::string message;
  } cases[] = {
      {"missing.mp4", "Error creating context: No such file or directory"},
      {"garbage.mp4", "Error creating context: Invalid data found when processing input"},
      {"truncated.mp4", "Error creating context: Invalid data found when processing input"},
      {"sound.m4a", "No video stream found in '" + path("sound.m4a") + "'!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    video::Animage a;
    auto res = video::loadFromVideo(a, path(c.file), PLENTY);
    ASSERT_FALSE(res);
    EXPECT_EQ(res.error().Message, c.message);
    EXPECT_FALSE(a.ready);
  }
}

// A video the machine cannot hold is refused before decoding when its size is announced,
// and stopped as soon as its frames exceed the budget when it is not.
TEST_F(Cinema, MemoryBudget) {
  const std::uint64_t frameCost = 32 * 24 * 4 + sizeof(video::Frame);
  struct Case {
    const char* file;
    std::uint64_t budget;
    bool loads;
    std::size_t framesKept;  // frames in the animage after the load
  } cases[] = {
      {"numbered.mp4", 50 * frameCost, true, 50},
      {"numbered.mp4", 50 * frameCost - 1, false, 0},
      {"numbered.mkv", 50 * frameCost, true, 50},
      {"numbered.mkv", 5 * frameCost, false, 5},
      {"numbered.mkv", 0, false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.file << " in " << c.budget);
    video::Animage a;
    auto res = video::loadFromVideo(a, path(c.file), c.budget);
    EXPECT_EQ(res.has_value(), c.loads);
    if (!res) {
      EXPECT_TRUE(res.error().Message.starts_with("Cinema '" + path(c.file) + "' is too large: "))
          << res.error().Message;
    }
    EXPECT_EQ(a.frames.size(), c.framesKept);
  }
}

TEST_F(Cinema, RequestedStopEndsTheLoad) {
  std::stop_source stop;
  stop.request_stop();
  video::Animage a;
  auto res = video::loadFromVideo(a, path("numbered.mp4"), PLENTY, stop.get_token());
  ASSERT_FALSE(res);
  EXPECT_EQ(res.error().Message, "Loading '" + path("numbered.mp4") + "' was cancelled");
  EXPECT_TRUE(a.frames.empty());
}

}  // namespace
