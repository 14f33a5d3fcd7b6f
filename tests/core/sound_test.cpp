#include "core/sound.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstring>
#include <stop_token>

#include "core/audio.h"
#include "support/sound_files.h"
#include "support/temp_dir.h"

namespace {

// Chunks can be made only while the mixer is open.
class LoadChunk : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
    auto res = audio::Init(config::Config{});
    ASSERT_TRUE(res) << res.error().Message;
    ctx = std::move(*res);
  }
  void TearDown() override {
    if (ctx) ctx->Drop();
    SDL_Quit();
  }

  testsupport::TempDir dir;
  std::unique_ptr<audio::Context> ctx;
};

struct DecodeCase {
  const char* name;
  std::string bytes;
  long frames;     // sample frames expected in the mixer's layout
  long tolerance;  // frames the rate conversion may add or drop
  int peakMin;     // the tone's peak after decoding
};

TEST_F(LoadChunk, DecodesIntoTheMixerLayout) {
  using testsupport::OggBytes;
  using testsupport::WavBytes;
  const DecodeCase cases[] = {
      {"wav-44k-stereo.wav", WavBytes(44100, 2, 1000), 1000, 0, 16300},
      {"ogg-44k-stereo.ogg", OggBytes(44100, 2, 44100), 44100, 0, 14000},
      {"ogg-22k-mono.ogg", OggBytes(22050, 1, 22050), 44100, 16, 14000},
      {"ogg-48k-stereo.ogg", OggBytes(48000, 2, 24000), 22050, 16, 14000},
  };
  ASSERT_EQ(ctx->format.format, AUDIO_S16LSB);
  ASSERT_EQ(ctx->format.channels, 2);
  ASSERT_EQ(ctx->format.freq, 44100);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    dir.Write(c.name, c.bytes);
    auto chunk = audio::LoadChunk(c.name, ctx->format);
    ASSERT_TRUE(chunk) << chunk.error().Message;
    ASSERT_TRUE(*chunk);
    const Mix_Chunk& mc = **chunk;
    EXPECT_EQ(mc.volume, MIX_MAX_VOLUME);
    ASSERT_EQ(mc.alen % 4, 0u);
    EXPECT_NEAR(static_cast<long>(mc.alen / 4), c.frames, c.tolerance);

    // The same tone on both channels (a mono file is spread to both), at its level.
    int peak = 0;
    bool same = true;
    for (Uint32 f = 0; f < mc.alen / 4; ++f) {
      std::int16_t lr[2];
      std::memcpy(lr, mc.abuf + f * 4, 4);
      peak = std::max(peak, static_cast<int>(lr[0]));
      same = same && lr[0] == lr[1];
    }
    EXPECT_TRUE(same);
    EXPECT_GE(peak, c.peakMin);
    EXPECT_LE(peak, 18500);
  }
}

TEST_F(LoadChunk, FailuresAndEmptyFiles) {
  const std::string ogg = testsupport::OggBytes(44100, 2, 44100);
  std::string corrupt = ogg;
  for (std::size_t i = 3000; i < 3200; ++i) corrupt[i] = static_cast<char>(corrupt[i] ^ 0x5a);
  dir.Write("corrupt.ogg", corrupt);
  dir.Write("text.ogg", "not a sound at all");
  dir.Write("silent.ogg", testsupport::OggBytes(44100, 2, 0));

  struct Case {
    const char* path;
    const char* message;  // empty: no error and no chunk
  } cases[] = {
      {"missing.ogg", "Couldn't open missing.ogg"},
      {"corrupt.ogg", "Cannot decode 'corrupt.ogg': Invalid Vorbis stream header"},
      {"text.ogg", "Unrecognized audio format"},
      {"silent.ogg", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    auto chunk = audio::LoadChunk(c.path, ctx->format);
    if (*c.message != '\0') {
      ASSERT_FALSE(chunk);
      EXPECT_EQ(chunk.error().Message, c.message);
    } else {
      ASSERT_TRUE(chunk) << chunk.error().Message;
      EXPECT_FALSE(*chunk);
    }
  }
}

TEST_F(LoadChunk, StopsWhenAsked) {
  dir.Write("long.ogg", testsupport::OggBytes(44100, 2, 44100));
  std::stop_source stop;
  stop.request_stop();
  auto chunk = audio::LoadChunk("long.ogg", ctx->format, stop.get_token());
  ASSERT_FALSE(chunk);
  EXPECT_EQ(chunk.error().Message, "Loading 'long.ogg' was cancelled");
}

}  // namespace
