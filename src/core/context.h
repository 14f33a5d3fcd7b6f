// The engine context: the one record through which every screen and every master reaches
// video, audio, time (and, as they join, input and language).
#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <utility>

#include "core/audio.h"
#include "core/config.h"
#include "core/error.h"
#include "core/handover.h"
#include "core/time.h"
#include "core/video/video.h"

namespace core {

// The process-wide random source, seeded once by Init.
std::mt19937_64& Random();

class Context {
 public:
  std::unique_ptr<video::Context> video;
  std::unique_ptr<audio::Context> audio;
  std::unique_ptr<time::Context> time;

  // One frame step: the clock, then the video module's pacing and presentation.
  void Sync();
  // Halts every sound (unless audio is muted).
  void Stop();
  // Releases what a screen loaded; the window, the fonts and the mixer stay.
  void Clean();
  // Shuts the engine down: the audio device (unless muted), then video, then SDL.
  void Drop();

  // Line height of the font in `font`, 0 for a slot that holds no font.
  int FontHeight(video::Font font) const;
  // Engine time in milliseconds, the same for every reader between two Syncs.
  std::int64_t GetTime() const;

  void LockDraw() { video->LockDraw(); }
  void VideoClear() { video->Clear(); }
  void VideoForceClear() { video->ForceClear(); }
  void VideoForceShow() { video->ForceShow(); }
  int VideoW() const { return video->W(); }
  int VideoH() const { return video->H(); }
  double VideoFPS() const { return video->FPS(); }
  int VideoNumCPU() const { return video->NumCPU(); }

  // Audio: sound effects, speech, and the ambient and music pairs.
  [[nodiscard]] Result<audio::Sound*> LoadSound(const std::string& path) {
    return audio->LoadSound(path);
  }
  [[nodiscard]] Result<void> PlaySound(audio::Sound* snd) { return audio->PlaySound(snd); }
  [[nodiscard]] Result<void> PlaySoundLoop(audio::Sound* snd) { return audio->PlaySoundLoop(snd); }
  Result<void> StopSound(audio::Sound* snd) { return audio->StopSound(snd); }
  [[nodiscard]] Result<void> LoadPlaySpeech(const std::string& path) {
    return audio->LoadPlaySpeech(path);
  }
  Result<void> StopSpeech() { return audio->StopSpeech(); }
  void LoadPlayAmbientAsync(const std::string& path, Handover<bool> done) {
    audio->LoadPlayAmbientAsync(path, std::move(done));
  }
  void SetAmbientsVolumes(int volThis, int volThat) { audio->SetAmbientsVolumes(volThis, volThat); }
  void FlipAmbients() { audio->FlipAmbients(); }
  void LoadPlayMusicAsync(const std::string& path, Handover<bool> done) {
    audio->LoadPlayMusicAsync(path, std::move(done));
  }
  void SetMusicsVolumes(int volThis, int volThat) { audio->SetMusicsVolumes(volThis, volThat); }
  void FlipMusics() { audio->FlipMusics(); }
};

// Initialises SDL and the modules in their fixed order. A failure returns no context and
// tears nothing down.
[[nodiscard]] Result<std::unique_ptr<Context>> Init(config::Config* cfg);

}  // namespace core
