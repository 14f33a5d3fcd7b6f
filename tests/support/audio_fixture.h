// The audio module on SDL's dummy audio driver, with a few small sound files in a fresh
// working directory.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>

#include "core/audio.h"
#include "support/sound_files.h"
#include "support/temp_dir.h"

namespace testsupport {

class AudioTest : public testing::Test {
 protected:
  void SetUp() override {
    dir.Write("tone.wav", WavBytes(44100, 2, 44100));      // 1 s
    dir.Write("tone.ogg", OggBytes(44100, 2, 2 * 44100));  // 2 s
    dir.Write("silent.ogg", OggBytes(44100, 2, 0));
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
  }
  void TearDown() override {
    if (ctx) ctx->Drop();
    SDL_Quit();
  }

  void start(int volSound = 100, int volMusic = 100, int volSpeech = 100, bool mute = false) {
    config::Config cfg;
    cfg.Mute = mute;
    cfg.VolSound = volSound;
    cfg.VolMusic = volMusic;
    cfg.VolSpeech = volSpeech;
    auto res = audio::Init(cfg);
    ASSERT_TRUE(res) << res.error().Message;
    ctx = std::move(*res);
  }

  // Waits for a load's completion; a test fails rather than hangs when none comes.
  static bool completed(const core::Handover<bool>& done) {
    return done.TakeFor(std::chrono::seconds(10)) == true;
  }

  TempDir dir;
  std::unique_ptr<audio::Context> ctx;
};

}  // namespace testsupport
