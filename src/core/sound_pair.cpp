#include "core/sound_pair.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <system_error>

namespace audio {

void SoundPair::loadPlayAsync(const std::string& path, int repeats, const MixerFormat& fmt,
                              core::Handover<bool> done) {
  // The flag is taken here, on the caller's thread, and handed to the loader, so a flip
  // issued right after this call cannot slip in before the loader starts.
  if (!tryLock()) {
    done.Send(true);
    return;
  }
  // The previous loader has released the pair already; at most its report is left to do.
  if (loader.joinable()) loader.join();
  try {
    loader = std::jthread([this, path, repeats, fmt, done](std::stop_token stop) {
      load(stop, path, repeats, fmt);
      // Released before the report, so a caller that flips on receiving it finds the pair free.
      unlock();
      done.Send(true);
      // SDL keeps per-thread data (its error text) that only threads SDL made free by themselves.
      SDL_TLSCleanup();
    });
  } catch (const std::system_error&) {
    // No thread to spare: nothing is loaded, and the request still completes.
    unlock();
    done.Send(true);
  }
}

// Runs on the loader thread while it holds the busy flag: the main thread touches neither
// slot meanwhile. Only mixer calls that take the mixer's audio lock (play, halt, free) or
// that touch a chunk no channel plays yet (its volume) are made here.
void SoundPair::load(std::stop_token stop, const std::string& path, int repeats,
                     const MixerFormat& fmt) {
  const int that = 1 - thisIndex;
  stopclean(that);
  auto chunk = LoadChunk(path, fmt, stop);
  // A failed load leaves the slot empty: the fade then runs over silence. A cancelled one
  // too, since the pair is being emptied.
  if (!chunk || !*chunk || stop.stop_requested()) return;
  Mix_VolumeChunk(chunk->get(), 0);
  auto snd = std::make_unique<Sound>();
  snd->chunk = std::move(*chunk);
  // A failed start is not an error here: the slot keeps the silent sound, channel -1.
  snd->channel = Mix_PlayChannel(-1, snd->chunk.get(), repeats);
  sounds[static_cast<std::size_t>(that)] = std::move(snd);
}

void SoundPair::flip() {
  if (!tryLock()) return;
  stopclean(thisIndex);
  thisIndex = 1 - thisIndex;
  unlock();
}

void SoundPair::setVolumes(int volThis, int volThat, int volContext) {
  if (!tryLock()) return;
  const auto& current = sounds[static_cast<std::size_t>(thisIndex)];
  const auto& incoming = sounds[static_cast<std::size_t>(1 - thisIndex)];
  if (current && current->chunk) Mix_VolumeChunk(current->chunk.get(), volThis * volContext / 100);
  if (incoming && incoming->chunk)
    Mix_VolumeChunk(incoming->chunk.get(), volThat * volContext / 100);
  unlock();
}

void SoundPair::stopclean(int i) {
  if (i != 0 && i != 1) return;
  auto& slot = sounds[static_cast<std::size_t>(i)];
  if (!slot) return;
  if (slot->chunk) {
    if (slot->channel >= 0) Mix_HaltChannel(slot->channel);
    slot->chunk.reset();
  }
  slot.reset();
}

void SoundPair::cancel() {
  if (!loader.joinable()) return;
  loader.request_stop();
  loader.join();
}

}  // namespace audio
