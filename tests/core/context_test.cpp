#include "core/context.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "support/temp_dir.h"

namespace {

TEST(Context, StartsHeadlessAndShutsDown) {
  testsupport::TempDir dir;
  dir.Write("config.json",
            R"({"AppWindowName":"test","XRes":160,"YRes":90,"Framerate":60,"Lang":"deu"})");
  dir.Write("langs/natives.json", R"({"eng":"English","deu":"Deutsch"})");
  dir.Write("langs/eng/intro.json", R"({"title":"Orlevanth"})");
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

  // Sync fills the frame's input queues; the cursor starts at the centre.
  EXPECT_EQ(ctx.MousePos(), std::make_pair(0, 0));
  SDL_Event e{};
  e.type = SDL_KEYDOWN;
  e.key.keysym.scancode = SDL_SCANCODE_ESCAPE;
  ASSERT_EQ(SDL_PushEvent(&e), 1);
  EXPECT_FALSE(ctx.PollKey(input::KEY_ESCAPE)) << "nothing arrives before Sync";
  ctx.Sync();
  EXPECT_TRUE(ctx.PollKeys({input::KEY_F10, input::KEY_ESCAPE}));

  // Languages: deu has no directory here, so its texts come from eng.
  EXPECT_EQ(ctx.LangId(), "deu");
  EXPECT_EQ(ctx.LangFullDir(), "langs/eng");
  EXPECT_EQ(ctx.LangNative("deu"), "Deutsch");
  ASSERT_TRUE(ctx.LangAddFile("intro.json"));
  EXPECT_EQ(ctx.LangGet("title"), "Orlevanth");
  ctx.Clean();
  EXPECT_EQ(ctx.LangGet("title"), "") << "each screen starts with an empty text table";
  EXPECT_EQ(ctx.LangId(), "deu");
  ctx.Drop();
}

TEST(Context, LanguageFailureComesAfterTheWindowOpened) {
  testsupport::TempDir dir;
  config::Config cfg;
  cfg.XRes = 32;
  cfg.YRes = 32;
  cfg.Framerate = 60;
  cfg.Lang = "eng";
  auto res = core::Init(&cfg);
  ASSERT_FALSE(res);
  EXPECT_EQ(res.error().Message,
            std::string("Cannot init Language context: Cannot load native language names from "
                        "'langs/natives.json': Cannot read json: ") +
                std::strerror(ENOENT));
  // Nothing is torn down after a failed start: the window is still there. The test
  // releases it itself, since SDL_Quit leaves the renderer behind.
  SDL_Window* window = SDL_GetWindowFromID(1);
  ASSERT_NE(window, nullptr);
  SDL_DestroyRenderer(SDL_GetRenderer(window));
  SDL_DestroyWindow(window);
  SDL_Quit();
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
