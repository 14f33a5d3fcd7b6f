#include "core/context.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "support/sound_files.h"
#include "support/temp_dir.h"

namespace {

void writeLangs(const testsupport::TempDir& dir) {
  dir.Write("langs/natives.json", R"({"eng":"English"})");
  dir.Write("langs/eng/.keep", "");
}

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

// The screens reach audio through the context: sounds, the pairs, Stop between screens and
// Clean; Drop closes the device.
TEST(Context, ForwardsToAudio) {
  testsupport::TempDir dir;
  dir.Write("tone.wav", testsupport::WavBytes(44100, 2, 44100));
  writeLangs(dir);
  config::Config cfg;
  cfg.XRes = 32;
  cfg.YRes = 32;
  cfg.Framerate = 60;
  cfg.Lang = "eng";
  cfg.VolSound = 64;
  auto res = core::Init(&cfg);
  ASSERT_TRUE(res) << res.error().Message;
  core::Context& ctx = **res;
  ASSERT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 1);

  auto snd = ctx.LoadSound("tone.wav");
  ASSERT_TRUE(snd) << snd.error().Message;
  ASSERT_TRUE(ctx.PlaySoundLoop(*snd));
  ASSERT_TRUE(ctx.LoadPlaySpeech("tone.wav"));
  core::Handover<bool> ambient;
  core::Handover<bool> music;
  ctx.LoadPlayAmbientAsync("tone.wav", ambient);
  ctx.LoadPlayMusicAsync("tone.wav", music);
  ASSERT_EQ(ambient.TakeFor(std::chrono::seconds(10)), true);
  ASSERT_EQ(music.TakeFor(std::chrono::seconds(10)), true);
  ctx.SetAmbientsVolumes(0, 50);
  EXPECT_EQ(ctx.audio->ambientsPair->sounds[1]->chunk->volume, 32);
  EXPECT_EQ(Mix_Playing(-1), 4);

  ctx.Stop();
  EXPECT_EQ(Mix_Playing(-1), 0);
  ctx.Clean();
  EXPECT_TRUE(ctx.audio->sounds.empty());
  EXPECT_EQ(ctx.audio->ambientsPair->sounds[1], nullptr);
  ctx.Drop();
  EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 0);
}

TEST(Context, MutedAudioOpensNoDevice) {
  testsupport::TempDir dir;
  writeLangs(dir);
  config::Config cfg;
  cfg.Lang = "eng";
  cfg.XRes = 32;
  cfg.YRes = 32;
  cfg.Framerate = 60;
  cfg.Mute = true;
  auto res = core::Init(&cfg);
  ASSERT_TRUE(res) << res.error().Message;
  EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 0);
  auto snd = (*res)->LoadSound("missing.ogg");
  ASSERT_TRUE(snd);
  EXPECT_EQ(*snd, nullptr);
  (*res)->Drop();
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

TEST(Context, AudioFailureIsWrapped) {
  // SDL's disk driver writes the sound into a file; one that cannot be created makes
  // opening the device fail.
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", "/nonexistent/dir/out.raw", 1);
  config::Config cfg;
  cfg.XRes = 32;
  cfg.YRes = 32;
  cfg.Framerate = 60;
  auto res = core::Init(&cfg);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  unsetenv("SDL_DISKAUDIOFILE");
  ASSERT_FALSE(res);
  EXPECT_EQ(res.error().Message,
            "Cannot init Audio context: Couldn't open /nonexistent/dir/out.raw");
  // A failed start tears nothing down: the window video opened first, the only one since
  // SDL started, is released here.
  SDL_Window* window = SDL_GetWindowFromID(1);
  ASSERT_NE(window, nullptr);
  SDL_DestroyRenderer(SDL_GetRenderer(window));
  SDL_DestroyWindow(window);
  SDL_Quit();
}

}  // namespace
