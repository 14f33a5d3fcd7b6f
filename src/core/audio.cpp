#include "core/audio.h"

#include <SDL_mixer.h>

namespace audio {

core::Result<std::unique_ptr<Context>> Init(const config::Config& cfg) {
  auto ctx = std::make_unique<Context>();
  ctx->mute = cfg.Mute;
  if (ctx->mute) return ctx;

  ctx->volSound = cfg.VolSound;
  ctx->volMusic = cfg.VolMusic;
  ctx->volSpeech = cfg.VolSpeech;

  if (Mix_OpenAudio(FREQUENCY, FORMAT, 2, CHUNKSIZE) != 0) return core::Fail(Mix_GetError());
  // The mixer readies its decoders lazily and without a lock on the first file of each
  // kind; readying them all here, before any loader runs, keeps two loaders from doing it
  // at once. A kind that is not available simply fails to load later.
  Mix_Init(MIX_INIT_FLAC | MIX_INIT_MOD | MIX_INIT_MP3 | MIX_INIT_OGG | MIX_INIT_MID |
           MIX_INIT_OPUS);
  // The device may differ from what was asked in rate and channels; chunks follow it.
  int freq = 0;
  int channels = 0;
  Uint16 format = 0;
  Mix_QuerySpec(&freq, &format, &channels);
  ctx->format = MixerFormat{freq, format, channels};

  Mix_AllocateChannels(CHANNELS + 1);
  Mix_ReserveChannels(1);
  Mix_GroupChannel(SPEECH_CHANNEL, SPEECH_GROUP_TAG);

  ctx->ambientsPair = std::make_unique<SoundPair>();
  ctx->musicsPair = std::make_unique<SoundPair>();
  return ctx;
}

core::Result<Sound*> Context::LoadSound(const std::string& spath) {
  if (mute) return nullptr;
  TRY_ASSIGN(ChunkPtr chunk, LoadChunk(spath, format), "");
  if (!chunk) return core::Fail("No chunk loaded from '" + spath + "'");
  Mix_VolumeChunk(chunk.get(), volSound);
  auto snd = std::make_unique<Sound>();
  snd->chunk = std::move(chunk);
  return sounds.emplace_back(std::move(snd)).get();
}

core::Result<void> Context::playSound(Sound* snd, int repeats) {
  if (mute) return {};
  if (!snd || !snd->chunk) return core::Fail("Cannot play null sound!");
  snd->channel = Mix_PlayChannel(-1, snd->chunk.get(), repeats);
  if (snd->channel == SOUND_CHANNEL_FAILED) return core::Fail(Mix_GetError());
  return {};
}

core::Result<void> Context::PlaySound(Sound* snd) { return playSound(snd, 0); }

core::Result<void> Context::PlaySoundLoop(Sound* snd) { return playSound(snd, -1); }

core::Result<void> Context::StopSound(Sound* snd) {
  if (mute || !snd || !snd->chunk || snd->channel <= SPEECH_CHANNEL) return {};
  // If the sound ended meanwhile and its channel went to another sound, that one stops.
  Mix_HaltChannel(snd->channel);
  snd->channel = SOUND_CHANNEL_NONE;
  return {};
}

core::Result<void> Context::LoadPlaySpeech(const std::string& spath) {
  if (mute) return {};
  // The previous phrase is gone even when the new one fails to load.
  (void)StopSpeech();
  TRY_ASSIGN(ChunkPtr chunk, LoadChunk(spath, format), "");
  if (!chunk) return core::Fail("Cannot play null speech from '" + spath + "'");
  Mix_VolumeChunk(chunk.get(), volSpeech);
  speech.chunk = std::move(chunk);
  speech.channel = Mix_PlayChannel(SPEECH_CHANNEL, speech.chunk.get(), 0);
  if (speech.channel == SOUND_CHANNEL_FAILED) return core::Fail(Mix_GetError());
  return {};
}

core::Result<void> Context::StopSpeech() {
  if (mute) return {};
  Mix_HaltChannel(SPEECH_CHANNEL);
  speech.chunk.reset();
  return {};
}

void Context::loadPlayAsync(SoundPair* pair, const std::string& spath, core::Handover<bool> done) {
  // Muted (there are no pairs then): nothing to load, and the caller still hears of
  // completion once.
  if (mute) {
    done.Send(true);
    return;
  }
  pair->loadPlayAsync(spath, -1, format, std::move(done));
}

void Context::LoadPlayAmbientAsync(const std::string& spath, core::Handover<bool> done) {
  loadPlayAsync(ambientsPair.get(), spath, std::move(done));
}

void Context::LoadPlayMusicAsync(const std::string& spath, core::Handover<bool> done) {
  loadPlayAsync(musicsPair.get(), spath, std::move(done));
}

void Context::SetAmbientsVolumes(int volThis, int volThat) {
  if (!mute) ambientsPair->setVolumes(volThis, volThat, volSound);
}

void Context::SetMusicsVolumes(int volThis, int volThat) {
  if (!mute) musicsPair->setVolumes(volThis, volThat, volMusic);
}

void Context::FlipAmbients() {
  if (!mute) ambientsPair->flip();
}

void Context::FlipMusics() {
  if (!mute) musicsPair->flip();
}

void Context::Stop() {
  if (!mute) Mix_HaltChannel(-1);
}

void Context::Clean() {
  if (mute) return;
  // A load still running (the screen ended during a journey) is stopped and waited for
  // first: no loader may write into a slot after it has been released.
  ambientsPair->cancel();
  musicsPair->cancel();
  // The dispatcher has halted every channel before; freeing a chunk halts it anyway.
  sounds.clear();
  speech.chunk.reset();
  for (SoundPair* pair : {ambientsPair.get(), musicsPair.get()}) {
    pair->stopclean(0);
    pair->stopclean(1);
  }
}

void Context::Drop() {
  if (mute) return;
  Clean();
  Mix_CloseAudio();
  Mix_Quit();
}

}  // namespace audio
