#include "core/context.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace {

TEST(Context, StartsHeadlessAndShutsDown) {
  testsupport::TempDir dir;
  dir.Write("config.json",
            R"({"AppWindowName":"test","XRes":160,"YRes":90,"Framerate":60,"Lang":"eng"})");
  auto cfg = config::Load();
  ASSERT_TRUE(cfg) << cfg.error().Message;
  auto res = core::Init(cfg->get());
  ASSERT_TRUE(res) << res.error().Message;
  core::Context& ctx = **res;

  EXPECT_LT(ctx.GetTime(), 50) << "the clock starts at about 0";
  EXPECT_EQ(ctx.VideoW(), 160);
  EXPECT_EQ(ctx.VideoH(), 90);
  EXPECT_EQ(ctx.FontHeight(-1), 0);
  EXPECT_EQ(ctx.FontHeight(0), 0) << "no font is loaded";

  // The clock moves only in Sync.
  SDL_Delay(20);
  std::int64_t before = ctx.GetTime();
  EXPECT_EQ(ctx.GetTime(), before);
  ctx.Sync();
  EXPECT_GE(ctx.GetTime(), before + 20);

  // A few passes of a screen loop present frames.
  while (ctx.GetTime() < 100) {
    ctx.Sync();
    ctx.VideoClear();
    ctx.LockDraw();
  }
  EXPECT_GT(ctx.video->numshows, 0);
  ctx.Clean();
  ctx.Drop();
}

TEST(Context, VideoFailureIsWrapped) {
  config::Config cfg;
  cfg.XRes = 32;
  cfg.YRes = 32;
  auto res = core::Init(&cfg);
  ASSERT_FALSE(res);
  EXPECT_EQ(res.error().Message,
            "Cannot init Video context: Invalid setting Framerate: 0 (it must be at least 1 "
            "frame per second)");
  SDL_Quit();
}

}  // namespace
