#include "core/audio.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include "support/audio_fixture.h"

namespace {

using Audio = testsupport::AudioTest;

TEST_F(Audio, InitOpensMixerWithSpeechChannelReserved) {
  start(10, 20, 30);
  EXPECT_EQ(ctx->volSound, 10);
  EXPECT_EQ(ctx->volMusic, 20);
  EXPECT_EQ(ctx->volSpeech, 30);
  int freq = 0;
  int channels = 0;
  Uint16 format = 0;
  ASSERT_EQ(Mix_QuerySpec(&freq, &format, &channels), 1);
  EXPECT_EQ(freq, audio::FREQUENCY);
  EXPECT_EQ(format, 0x8010);
  EXPECT_EQ(channels, 2);
  EXPECT_EQ(Mix_AllocateChannels(-1), 33);
  EXPECT_EQ(Mix_GroupCount(audio::SPEECH_GROUP_TAG), 1);
  EXPECT_EQ(Mix_GroupAvailable(audio::SPEECH_GROUP_TAG), 0) << "channel 0 is in the speech group";
  ASSERT_TRUE(ctx->ambientsPair && ctx->musicsPair);
  EXPECT_EQ(ctx->ambientsPair->thisIndex, 0);
}

TEST_F(Audio, MutedEverythingIsANoOpWithoutDevice) {
  start(100, 100, 100, /*mute=*/true);
  EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 0) << "no device is opened";

  auto snd = ctx->LoadSound("tone.wav");
  ASSERT_TRUE(snd) << snd.error().Message;
  EXPECT_EQ(*snd, nullptr);
  EXPECT_TRUE(ctx->PlaySound(nullptr));
  EXPECT_TRUE(ctx->PlaySoundLoop(nullptr));
  EXPECT_TRUE(ctx->StopSound(nullptr));
  EXPECT_TRUE(ctx->LoadPlaySpeech("missing.ogg"));
  EXPECT_TRUE(ctx->StopSpeech());

  // The loaders load nothing and report completion at once.
  core::Handover<bool> ambient;
  core::Handover<bool> music;
  ctx->LoadPlayAmbientAsync("tone.ogg", ambient);
  ctx->LoadPlayMusicAsync("tone.ogg", music);
  EXPECT_EQ(ambient.TryTake(), true);
  EXPECT_EQ(music.TryTake(), true);
  EXPECT_EQ(ambient.TryTake(), std::nullopt);
  EXPECT_EQ(music.TryTake(), std::nullopt);

  ctx->SetAmbientsVolumes(50, 50);
  ctx->SetMusicsVolumes(50, 50);
  ctx->FlipAmbients();
  ctx->FlipMusics();
  ctx->Stop();
  ctx->Clean();
}

TEST_F(Audio, LoadSoundAndItsFailures) {
  start(77);
  auto snd = ctx->LoadSound("tone.ogg");
  ASSERT_TRUE(snd) << snd.error().Message;
  ASSERT_NE(*snd, nullptr);
  EXPECT_EQ((*snd)->chunk->volume, 77);
  EXPECT_EQ((*snd)->channel, audio::SOUND_CHANNEL_NONE);
  EXPECT_EQ(ctx->sounds.size(), 1u);

  auto missing = ctx->LoadSound("missing.ogg");
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.error().Message, "Couldn't open missing.ogg");
  auto silent = ctx->LoadSound("silent.ogg");
  ASSERT_FALSE(silent);
  EXPECT_EQ(silent.error().Message, "No chunk loaded from 'silent.ogg'");
  EXPECT_EQ(ctx->sounds.size(), 1u);

  // Clean releases every sound loaded since the last Clean.
  ctx->Clean();
  EXPECT_TRUE(ctx->sounds.empty());
}

TEST_F(Audio, PlayingANullSoundFails) {
  start();
  audio::Sound freed;
  for (audio::Sound* snd : {static_cast<audio::Sound*>(nullptr), &freed}) {
    for (bool loop : {false, true}) {
      auto res = loop ? ctx->PlaySoundLoop(snd) : ctx->PlaySound(snd);
      ASSERT_FALSE(res);
      EXPECT_EQ(res.error().Message, "Cannot play null sound!");
    }
  }
}

// With channels 1 to 32 busy the next effect cannot start, while speech keeps its own
// channel; stopping a sound whose start failed or that never started touches nothing.
TEST_F(Audio, ThirtyThreeSoundsAndSpeech) {
  start();
  std::vector<audio::Sound*> sounds;
  for (int i = 0; i < audio::CHANNELS + 2; ++i) {
    auto snd = ctx->LoadSound("tone.wav");
    ASSERT_TRUE(snd) << snd.error().Message;
    sounds.push_back(*snd);
  }
  for (int i = 0; i < audio::CHANNELS; ++i) {
    ASSERT_TRUE(ctx->PlaySoundLoop(sounds[static_cast<std::size_t>(i)]));
    EXPECT_EQ(sounds[static_cast<std::size_t>(i)]->channel, i + 1);
  }
  audio::Sound* refused = sounds[audio::CHANNELS];
  audio::Sound* idle = sounds[audio::CHANNELS + 1];
  auto res = ctx->PlaySound(refused);
  ASSERT_FALSE(res);
  EXPECT_EQ(res.error().Message, "No free channels available");
  EXPECT_EQ(refused->channel, audio::SOUND_CHANNEL_FAILED);

  ASSERT_TRUE(ctx->LoadPlaySpeech("tone.ogg"));
  EXPECT_EQ(ctx->speech.channel, audio::SPEECH_CHANNEL);
  EXPECT_EQ(Mix_Playing(-1), audio::CHANNELS + 1);

  EXPECT_TRUE(ctx->StopSound(refused));
  EXPECT_TRUE(ctx->StopSound(idle));
  EXPECT_TRUE(ctx->StopSound(nullptr));
  EXPECT_EQ(Mix_Playing(-1), audio::CHANNELS + 1);
  EXPECT_EQ(refused->channel, audio::SOUND_CHANNEL_FAILED);

  EXPECT_TRUE(ctx->StopSound(sounds[4]));
  EXPECT_EQ(Mix_Playing(5), 0);
  EXPECT_EQ(sounds[4]->channel, audio::SOUND_CHANNEL_NONE);
  EXPECT_EQ(Mix_Playing(-1), audio::CHANNELS);

  ctx->Stop();
  EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(Audio, SpeechReplacesThePhraseAndAFailedLoadLeavesSilence) {
  start(100, 100, 90);
  ASSERT_TRUE(ctx->LoadPlaySpeech("tone.ogg"));
  Mix_Chunk* first = ctx->speech.chunk.get();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->volume, 90);
  EXPECT_EQ(Mix_GetChunk(audio::SPEECH_CHANNEL), first);

  ASSERT_TRUE(ctx->LoadPlaySpeech("tone.wav"));
  EXPECT_EQ(Mix_Playing(audio::SPEECH_CHANNEL), 1);
  EXPECT_EQ(Mix_GetChunk(audio::SPEECH_CHANNEL), ctx->speech.chunk.get());

  auto res = ctx->LoadPlaySpeech("missing.ogg");
  ASSERT_FALSE(res);
  EXPECT_EQ(res.error().Message, "Couldn't open missing.ogg");
  EXPECT_EQ(ctx->speech.chunk, nullptr);
  EXPECT_EQ(Mix_Playing(audio::SPEECH_CHANNEL), 0);

  res = ctx->LoadPlaySpeech("silent.ogg");
  ASSERT_FALSE(res);
  EXPECT_EQ(res.error().Message, "Cannot play null speech from 'silent.ogg'");

  ASSERT_TRUE(ctx->LoadPlaySpeech("tone.ogg"));
  EXPECT_TRUE(ctx->StopSpeech());
  EXPECT_EQ(ctx->speech.chunk, nullptr);
  EXPECT_EQ(Mix_Playing(audio::SPEECH_CHANNEL), 0);
}

}  // namespace
