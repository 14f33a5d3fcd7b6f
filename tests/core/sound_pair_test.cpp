// The ambient and music pairs with their background loaders. Every suite here runs threads
// and is also run under ThreadSanitizer (its name ends in "Threads").
#include "core/sound_pair.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include "support/audio_fixture.h"

namespace {

using SoundPairThreads = testsupport::AudioTest;

// The slot's sound, or null when the slot is empty.
audio::Sound* slot(const audio::SoundPair& pair, int i) {
  return pair.sounds[static_cast<std::size_t>(i)].get();
}

TEST_F(SoundPairThreads, LoadGoesIntoTheIncomingSlotAndFlipMakesItCurrent) {
  start();
  audio::SoundPair& pair = *ctx->ambientsPair;
  core::Handover<bool> done;
  ctx->LoadPlayAmbientAsync("tone.ogg", done);
  ASSERT_TRUE(completed(done));
  EXPECT_FALSE(pair.lock);
  EXPECT_EQ(slot(pair, 0), nullptr);
  audio::Sound* first = slot(pair, 1);
  ASSERT_NE(first, nullptr);
  // The new track already plays, silent, looping, on an effects channel.
  EXPECT_EQ(first->chunk->volume, 0);
  ASSERT_GE(first->channel, 1);
  EXPECT_EQ(Mix_Playing(first->channel), 1);
  EXPECT_EQ(Mix_GetChunk(first->channel), first->chunk.get());

  ctx->FlipAmbients();
  EXPECT_EQ(pair.thisIndex, 1);
  EXPECT_EQ(slot(pair, 1), first);
  EXPECT_EQ(slot(pair, 0), nullptr);

  // The next journey loads into slot 0; its flip halts and frees the first track.
  const int firstChannel = first->channel;
  ctx->LoadPlayAmbientAsync("tone.wav", done);
  ASSERT_TRUE(completed(done));
  ASSERT_NE(slot(pair, 0), nullptr);
  ctx->FlipAmbients();
  EXPECT_EQ(pair.thisIndex, 0);
  EXPECT_EQ(slot(pair, 1), nullptr);
  ASSERT_GE(slot(pair, 0)->channel, 1);
  EXPECT_NE(slot(pair, 0)->channel, firstChannel);
  EXPECT_EQ(Mix_Playing(slot(pair, 0)->channel), 1);
  EXPECT_EQ(Mix_Playing(firstChannel), 0);
}

TEST_F(SoundPairThreads, VolumesArePercentOfTheSetting) {
  struct Case {
    int vol;  // VolSound for the ambient pair, VolMusic for the music pair
    int volThis, volThat;
    int wantThis, wantThat;
  } cases[] = {
      {100, 50, 50, 50, 50},
      {99, 50, 50, 49, 49},
      {128, 100, 0, 128, 0},
      {128, 30, 70, 38, 89},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "vol " << c.vol << ", " << c.volThis << "/" << c.volThat);
    start(c.vol, c.vol);
    for (bool music : {false, true}) {
      audio::SoundPair& pair = music ? *ctx->musicsPair : *ctx->ambientsPair;
      auto load = [&] {
        core::Handover<bool> done;
        music ? ctx->LoadPlayMusicAsync("tone.ogg", done)
              : ctx->LoadPlayAmbientAsync("tone.ogg", done);
        ASSERT_TRUE(completed(done));
      };
      load();
      music ? ctx->FlipMusics() : ctx->FlipAmbients();
      load();
      music ? ctx->SetMusicsVolumes(c.volThis, c.volThat)
            : ctx->SetAmbientsVolumes(c.volThis, c.volThat);
      EXPECT_EQ(slot(pair, pair.thisIndex)->chunk->volume, c.wantThis);
      EXPECT_EQ(slot(pair, 1 - pair.thisIndex)->chunk->volume, c.wantThat);
    }
    ctx->Drop();
    ctx.reset();
  }
}

TEST_F(SoundPairThreads, FlipWithAnEmptyIncomingSlotLeavesBothEmpty) {
  start();
  audio::SoundPair& pair = *ctx->musicsPair;
  core::Handover<bool> done;
  ctx->LoadPlayMusicAsync("tone.ogg", done);
  ASSERT_TRUE(completed(done));
  ctx->FlipMusics();
  const int channel = slot(pair, pair.thisIndex)->channel;
  ctx->FlipMusics();
  EXPECT_EQ(slot(pair, 0), nullptr);
  EXPECT_EQ(slot(pair, 1), nullptr);
  EXPECT_EQ(Mix_Playing(channel), 0);
  ctx->SetMusicsVolumes(100, 0);  // nothing to set, nothing breaks
}

// Every load request reports completion exactly once, whatever happens to it.
TEST_F(SoundPairThreads, CompletionExactlyOnceOnEveryPath) {
  start();
  audio::SoundPair& pair = *ctx->ambientsPair;
  struct Case {
    const char* name;
    const char* path;
    bool busy;
    bool loads;
  } cases[] = {
      {"load", "tone.ogg", false, true},
      {"missing file", "missing.ogg", false, false},
      {"file without samples", "silent.ogg", false, false},
      {"busy pair", "tone.ogg", true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    pair.lock = c.busy;
    core::Handover<bool> done;
    ctx->LoadPlayAmbientAsync(c.path, done);
    ASSERT_TRUE(completed(done));
    if (c.busy) {
      EXPECT_TRUE(pair.lock) << "a refused request leaves the other operation's flag alone";
      pair.lock = false;
    }
    EXPECT_EQ(slot(pair, 1) != nullptr, c.loads);
    pair.cancel();  // the loader has ended: nothing more can arrive
    EXPECT_EQ(done.TryTake(), std::nullopt);
    ctx->Clean();
  }
}

TEST_F(SoundPairThreads, BusyPairSkipsFlipAndVolumes) {
  start();
  audio::SoundPair& pair = *ctx->ambientsPair;
  core::Handover<bool> done;
  ctx->LoadPlayAmbientAsync("tone.ogg", done);
  ASSERT_TRUE(completed(done));
  audio::Sound* incoming = slot(pair, 1);

  pair.lock = true;  // as while a load runs
  ctx->SetAmbientsVolumes(0, 100);
  ctx->FlipAmbients();
  EXPECT_EQ(pair.thisIndex, 0);
  EXPECT_EQ(slot(pair, 1), incoming);
  EXPECT_EQ(incoming->chunk->volume, 0);
  pair.lock = false;
}

// Two requests in a row: the second finds the pair busy (or, had the first ended already,
// loads again); either way each reports once and one track sits in the incoming slot.
TEST_F(SoundPairThreads, SecondRequestWhileLoading) {
  start();
  core::Handover<bool> first;
  core::Handover<bool> second;
  ctx->LoadPlayMusicAsync("tone.ogg", first);
  ctx->LoadPlayMusicAsync("tone.ogg", second);
  ASSERT_TRUE(completed(first));
  ASSERT_TRUE(completed(second));
  ctx->musicsPair->cancel();
  EXPECT_EQ(first.TryTake(), std::nullopt);
  EXPECT_EQ(second.TryTake(), std::nullopt);
  EXPECT_NE(slot(*ctx->musicsPair, 1), nullptr);
  EXPECT_EQ(slot(*ctx->musicsPair, 0), nullptr);
  EXPECT_EQ(Mix_Playing(-1), 1);
}

TEST_F(SoundPairThreads, AmbientAndMusicLoadAtTheSameTime) {
  start();
  core::Handover<bool> ambient;
  core::Handover<bool> music;
  ctx->LoadPlayAmbientAsync("tone.ogg", ambient);
  ctx->LoadPlayMusicAsync("tone.wav", music);
  ASSERT_TRUE(completed(ambient));
  ASSERT_TRUE(completed(music));
  ASSERT_NE(slot(*ctx->ambientsPair, 1), nullptr);
  ASSERT_NE(slot(*ctx->musicsPair, 1), nullptr);
  EXPECT_NE(slot(*ctx->ambientsPair, 1)->channel, slot(*ctx->musicsPair, 1)->channel);
  EXPECT_EQ(Mix_Playing(-1), 2);
}

// The player quits (or the screen ends) while a journey's tracks are still loading: the
// engine stops the loaders, nothing is written into a released slot, nothing keeps running,
// and every request has still reported once though nobody takes the report.
TEST_F(SoundPairThreads, EndingTheScreenDuringLoads) {
  dir.Write("long.ogg", testsupport::OggBytes(44100, 2, 30 * 44100));
  enum class End { Clean, Drop, Destroy };
  for (End end : {End::Clean, End::Drop, End::Destroy}) {
    SCOPED_TRACE(static_cast<int>(end));
    start();
    core::Handover<bool> ambient;
    core::Handover<bool> music;
    ctx->LoadPlayAmbientAsync("long.ogg", ambient);
    ctx->LoadPlayMusicAsync("long.ogg", music);
    switch (end) {
      case End::Clean:
        ctx->Stop();
        ctx->Clean();
        for (audio::SoundPair* pair : {ctx->ambientsPair.get(), ctx->musicsPair.get()}) {
          EXPECT_FALSE(pair->lock);
          EXPECT_EQ(slot(*pair, 0), nullptr);
          EXPECT_EQ(slot(*pair, 1), nullptr);
        }
        EXPECT_EQ(Mix_Playing(-1), 0);
        ctx->Drop();
        break;
      case End::Drop:
        ctx->Drop();
        break;
      case End::Destroy:  // a failure ends the program without Drop
        break;
    }
    ctx.reset();
    if (end == End::Destroy) Mix_CloseAudio();
    EXPECT_EQ(ambient.TryTake(), true);
    EXPECT_EQ(music.TryTake(), true);
    EXPECT_EQ(ambient.TryTake(), std::nullopt);
    EXPECT_EQ(music.TryTake(), std::nullopt);
  }
}

TEST_F(SoundPairThreads, PairsWorkAgainAfterClean) {
  dir.Write("long.ogg", testsupport::OggBytes(44100, 2, 30 * 44100));
  start();
  core::Handover<bool> done;
  ctx->LoadPlayAmbientAsync("long.ogg", done);
  ctx->Clean();
  ctx->LoadPlayAmbientAsync("tone.ogg", done);
  EXPECT_EQ(done.TakeFor(std::chrono::seconds(10)), true);  // the cancelled load's report
  ASSERT_TRUE(completed(done));
  EXPECT_NE(slot(*ctx->ambientsPair, 1), nullptr);
}

}  // namespace
