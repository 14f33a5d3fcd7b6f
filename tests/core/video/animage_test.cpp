#include "core/video/animage.h"

#include <gtest/gtest.h>

#include "core/context.h"

namespace {

// An animage with n blank frames of w × h.
struct Frames : video::Animage {
  explicit Frames(int n, int w = 2, int h = 2) {
    for (int i = 0; i < n; ++i)
      frames.push_back({w, h, std::vector<std::uint8_t>(static_cast<std::size_t>(w) * h * 4)});
  }
};

struct SyncCase {
  std::int64_t ticks;
  int curr;
  double fract;
};

template <std::size_t N>
void expectSync(video::Animage& a, const SyncCase (&cases)[N]) {
  for (const auto& c : cases) {
    a.sync(c.ticks);
    EXPECT_EQ(a.curr, c.curr) << "ticks " << c.ticks;
    EXPECT_NEAR(a.fract, c.fract, 1e-9) << "ticks " << c.ticks;
  }
}

TEST(AnimageSync, OneShotRunEndsOnTheLastFrameUnblended) {
  // 5 frames at half a cycle per second, no repeat: 4 steps of 500 ms.
  Frames a(5);
  a.Run(0.5, 0, 0);
  const SyncCase cases[] = {
      {0, 0, 0.0},    {499, 0, 0.998}, {500, 1, 0.0},  {1999, 3, 0.998},
      {2000, 4, 0.0}, {2001, 4, 0.0},  {2500, 4, 0.0}, {90000, 4, 0.0},
  };
  expectSync(a, cases);
}

TEST(AnimageSync, EndlessLoopShowsEveryFrameForTheSameTime) {
  // 4 frames at one cycle per second: a step is 333.3 ms and the loop wraps after frame 3.
  Frames a(4);
  a.Run(1, 0, -1);
  const SyncCase cases[] = {
      {0, 0, 0.0},    {333, 0, 0.999},  {334, 1, 0.002},  {999, 2, 0.997},
      {1000, 3, 0.0}, {1333, 3, 0.999}, {1334, 0, 0.002}, {2334, 3, 0.002},
  };
  expectSync(a, cases);
}

TEST(AnimageSync, RepeatsFollowTheLoopThenHoldTheLastFrame) {
  // 3 frames, one cycle per second, started at tick 1000, one repeat: cycle positions
  // below 2 follow the wrapping sequence, from 2 on the last frame stays.
  Frames a(3);
  a.Run(1, 1000, 1);
  const SyncCase cases[] = {
      {1000, 0, 0.0},   {1500, 1, 0.0}, {2000, 2, 0.0}, {2500, 0, 0.0},
      {2999, 0, 0.998}, {3000, 2, 0.0}, {9000, 2, 0.0},
  };
  expectSync(a, cases);
}

TEST(AnimageSync, StandsStillWithoutRateOrFramesOrBeforeItsStart) {
  Frames one(1);
  one.Run(5, 0, -1);
  one.sync(12345);
  EXPECT_EQ(one.curr, 0);

  Frames never(4);  // loaded, never run
  never.sync(5000);
  EXPECT_EQ(never.curr, 0);
  EXPECT_EQ(never.fract, 0);

  Frames early(4);
  early.Run(1, 1000, -1);
  early.sync(999);  // before its start: not a negative frame index
  EXPECT_EQ(early.curr, 0);
  EXPECT_EQ(early.fract, 0);

  video::Animage empty;
  empty.Run(1, 0, -1);
  empty.sync(700);
  EXPECT_EQ(empty.curr, 0);
}

TEST(Animage, RunRestartsAndResetEmpties) {
  Frames a(4);
  a.Run(1, 0, -1);
  a.sync(700);
  ASSERT_EQ(a.curr, 2);
  a.Run(0.5, 100, 3);
  EXPECT_EQ(a.curr, 0);
  EXPECT_EQ(a.fract, 0);
  EXPECT_EQ(a.rate, 0.5);
  EXPECT_EQ(a.start, 100);
  EXPECT_EQ(a.repeats, 3);

  a.ready = true;
  a.reset();
  EXPECT_FALSE(a.ready);
  EXPECT_TRUE(a.frames.empty());
  EXPECT_EQ(a.rate, 0);
  EXPECT_EQ(a.start, 0);
  EXPECT_EQ(a.repeats, 0);
}

TEST(Animage, SizesAndPixelsOfPresentAndMissingFrames) {
  Frames a(2, 3, 2);
  a.frames[1].width = 5;  // only the queries are looked at here
  // Pixel (2, 1) of frame 0 holds blue 10, green 20, red 30, alpha 40.
  std::uint8_t* p = a.frames[0].pixels.data() + (1 * 3 + 2) * 4;
  p[0] = 10, p[1] = 20, p[2] = 30, p[3] = 40;

  EXPECT_EQ(a.W0(), 3);
  EXPECT_EQ(a.H0(), 2);
  EXPECT_EQ(a.W(1), 5);
  EXPECT_EQ(a.W(2), 0);
  EXPECT_EQ(a.H(-1), 0);
  EXPECT_EQ(a.GetPixel0(2, 1), (video::Color{30, 20, 10, 40}));
  const video::Color zero{};
  EXPECT_EQ(a.GetPixel0(-1, 0), zero);
  EXPECT_EQ(a.GetPixel0(3, 0), zero);
  EXPECT_EQ(a.GetPixel0(0, 2), zero);
  EXPECT_EQ(a.GetPixel(2, 0, 0), zero);

  a.destroy();
  EXPECT_EQ(a.W0(), 0);
  EXPECT_EQ(a.GetPixel0(0, 0), zero);
}

TEST(Animage, RunAnimageStartsAtTheEngineClock) {
  core::Context ctx;
  ctx.time = std::make_unique<core::time::Context>();
  ctx.time->ticks = 4321;
  Frames a(3);
  ctx.RunAnimage(&a, 0.5, -1);
  EXPECT_EQ(a.start, 4321);
  EXPECT_EQ(a.rate, 0.5);
  EXPECT_EQ(a.repeats, -1);
  ctx.RunAnimage(nullptr, 1, 0);  // nothing to start
}

}  // namespace
