// The audio module: sound effects, speech on a channel of its own, and the ambient and music
// pairs that cross-fade while the player travels. With `Mute` set in the settings no device
// is opened and every operation returns at once without error.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/config.h"
#include "core/error.h"
#include "core/handover.h"
#include "core/sound.h"
#include "core/sound_pair.h"

namespace audio {

constexpr int FREQUENCY = 44100;         // Hz
constexpr std::uint16_t FORMAT = 32784;  // 0x8010: signed 16-bit little-endian samples
constexpr int CHUNKSIZE = 1024;          // sample frames per mixer buffer
constexpr int CHANNELS = 32;             // channels for effects, ambient sound and music
constexpr int SPEECH_GROUP_TAG = 1;
constexpr int SPEECH_CHANNEL = 0;  // reserved: never handed out for other sounds

struct Context {
  bool mute = false;
  int volSound = 0;  // effects, and the base of ambient volumes (mixer units 0..128)
  int volMusic = 0;  // the base of music volumes
  int volSpeech = 0;
  std::vector<std::unique_ptr<Sound>> sounds;  // loaded by LoadSound since the last Clean
  std::unique_ptr<SoundPair> ambientsPair;
  std::unique_ptr<SoundPair> musicsPair;
  Sound speech;
  MixerFormat format;  // the open device's sample layout, read once at Init

  // Loads a sound effect, owned by the module until the next Clean. Muted: no sound.
  [[nodiscard]] core::Result<Sound*> LoadSound(const std::string& spath);
  // Starts `snd` once (PlaySound) or looping without end (PlaySoundLoop) on a free channel
  // 1 to 32. Callers ignore the result: a sound that cannot start is not heard.
  [[nodiscard]] core::Result<void> PlaySound(Sound* snd);
  [[nodiscard]] core::Result<void> PlaySoundLoop(Sound* snd);
  // Halts the channel `snd` was last started on. Never an error, so the result may be ignored.
  core::Result<void> StopSound(Sound* snd);
  // Cuts off the current phrase and plays the one at `spath` on the speech channel.
  [[nodiscard]] core::Result<void> LoadPlaySpeech(const std::string& spath);
  // Halts and frees the current phrase. Never an error.
  core::Result<void> StopSpeech();

  // Load the track at `spath` into the pair's incoming slot in the background, where it
  // starts looping at volume 0; `done` receives true once when the load has ended.
  void LoadPlayAmbientAsync(const std::string& spath, core::Handover<bool> done);
  void LoadPlayMusicAsync(const std::string& spath, core::Handover<bool> done);
  // Volumes of the current and incoming slot, in percent of volSound or volMusic.
  void SetAmbientsVolumes(int volThis, int volThat);
  void SetMusicsVolumes(int volThis, int volThat);
  // End the current slot's sound and make the incoming slot current.
  void FlipAmbients();
  void FlipMusics();

  // Halts every channel.
  void Stop();
  // Releases every sound of the finished screen; running loads are stopped first.
  void Clean();
  // Stops the loaders, releases everything and closes the device.
  void Drop();

 private:
  [[nodiscard]] core::Result<void> playSound(Sound* snd, int repeats);
  void loadPlayAsync(SoundPair* pair, const std::string& spath, core::Handover<bool> done);
};

// Opens the mixer on the main thread (before any loader can start) unless muted.
[[nodiscard]] core::Result<std::unique_ptr<Context>> Init(const config::Config& cfg);

}  // namespace audio
