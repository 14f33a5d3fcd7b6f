#include "core/video/video.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

class Video : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError(); }
  void TearDown() override {
    if (ctx) ctx->Drop();
    SDL_Quit();
  }

  void open(int framerate, int w = 64, int h = 48) {
    cfg.Framerate = framerate;
    cfg.XRes = w;
    cfg.YRes = h;
    cfg.NumCPU = 2;
    auto res = video::Init(cfg);
    ASSERT_TRUE(res) << res.error().Message;
    ctx = std::move(*res);
  }

  config::Config cfg;
  std::unique_ptr<video::Context> ctx;
};

TEST_F(Video, OpensWindowOfConfiguredSize) {
  open(60, 64, 48);
  EXPECT_EQ(ctx->W(), 64);
  EXPECT_EQ(ctx->H(), 48);
  EXPECT_EQ(ctx->pixels.size(), 64u * 48 * 4);
  EXPECT_EQ(ctx->NumCPU(), 2);
  EXPECT_EQ(ctx->numshows, 0);
}

TEST_F(Video, ZeroSizeTakesDesktopSizeAndWritesItBack) {
  SDL_DisplayMode desktop;
  ASSERT_EQ(SDL_GetDesktopDisplayMode(0, &desktop), 0);
  open(60, 0, 0);
  EXPECT_EQ(ctx->W(), desktop.w);
  EXPECT_EQ(ctx->H(), desktop.h);
  EXPECT_EQ(cfg.XRes, desktop.w);
  EXPECT_EQ(cfg.YRes, desktop.h);
}

TEST_F(Video, DesktopFullScreenIgnoresConfiguredSize) {
  SDL_DisplayMode desktop;
  ASSERT_EQ(SDL_GetDesktopDisplayMode(0, &desktop), 0);
  cfg.FullScr = true;
  cfg.FullScrDesk = true;
  open(60, 320, 200);
  EXPECT_EQ(cfg.XRes, desktop.w);
  EXPECT_EQ(cfg.YRes, desktop.h);
}

TEST_F(Video, NonPositiveFramerateIsRefused) {
  for (int rate : {0, -5}) {
    cfg.Framerate = rate;
    cfg.XRes = 32;
    cfg.YRes = 32;
    auto res = video::Init(cfg);
    ASSERT_FALSE(res);
    EXPECT_EQ(res.error().Message, "Invalid setting Framerate: " + std::to_string(rate) +
                                       " (it must be at least 1 frame per second)");
  }
}

TEST_F(Video, PacesFramesAtTheConfiguredRate) {
  open(60);  // one frame every 16 ms
  struct Step {
    std::int64_t ticks;
    bool presents;
  };
  const Step steps[] = {
      {0, false},  {15, false}, {16, true},   {16, false},  {31, false}, {32, true},
      {132, true},  // late: presented at once ...
      {147, false}, {148, true},  // ... and the next frame is due 16 ms after that call
  };
  int shows = 0;
  for (const auto& s : steps) {
    ctx->Sync(s.ticks);
    if (s.presents) ++shows;
    EXPECT_EQ(ctx->numshows, shows) << "at tick " << s.ticks;
  }
  EXPECT_EQ(ctx->lastsynctick, 148);
}

TEST_F(Video, SameTicksPresentAtMostOnce) {
  for (int rate : {1, 30, 60, 1000}) {
    open(rate);
    ctx->Sync(5000);
    ctx->Sync(5000);
    EXPECT_EQ(ctx->numshows, 1) << rate;
    ctx->Drop();
    ctx.reset();
  }
}

TEST_F(Video, FpsIsTheAverageSinceStart) {
  open(1000);
  for (int t = 1; t <= 29; ++t) ctx->Sync(t);
  ctx->Sync(999);
  EXPECT_EQ(ctx->numshows, 30);
  EXPECT_DOUBLE_EQ(ctx->FPS(), 30.0);
}

TEST_F(Video, DrawLockFreezesTheFrameUntilPresented) {
  open(60);
  ctx->pixels[10] = 0x7f;
  ctx->LockDraw();
  ctx->Clear();
  EXPECT_EQ(ctx->pixels[10], 0x7f) << "Clear under the lock must leave the frame";
  ctx->Sync(5);  // not due yet: still locked
  ctx->Clear();
  EXPECT_EQ(ctx->pixels[10], 0x7f);
  ctx->Sync(16);  // presented: the lock is lifted
  EXPECT_FALSE(ctx->drawlock);
  ctx->Clear();
  EXPECT_EQ(ctx->pixels[10], 0);

  ctx->pixels[10] = 0x7f;
  ctx->LockDraw();
  ctx->ForceClear();
  EXPECT_EQ(ctx->pixels[10], 0) << "ForceClear ignores the lock";
  ctx->ForceShow();
  EXPECT_EQ(ctx->numshows, 2);
  EXPECT_TRUE(ctx->drawlock) << "ForceShow does not lift the lock";
}

}  // namespace
