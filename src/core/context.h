// The engine context: the one record through which every screen and every master reaches
// video, input, audio, time and language.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <utility>

#include "core/audio.h"
#include "core/config.h"
#include "core/error.h"
#include "core/handover.h"
#include "core/input.h"
#include "core/lang.h"
#include "core/time.h"
#include "core/video/text.h"
#include "core/video/video.h"

namespace core {

// The process-wide random source, seeded once by Init.
std::mt19937_64& Random();

class Context {
 public:
  std::unique_ptr<video::Context> video;
  std::unique_ptr<input::Context> input;
  std::unique_ptr<audio::Context> audio;
  std::unique_ptr<time::Context> time;
  std::unique_ptr<lang::Context> lang;

  // One frame step: the clock, then the input events into this frame's queues, then the
  // video module's pacing and presentation.
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

  bool TestAllKeys() const { return input->TestAllKeys(); }
  bool PollKey(int scancode) { return input->PollKey(scancode); }
  bool PollKeys(std::span<const int> scancodes) { return input->PollKeys(scancodes); }
  bool PollKeys(std::initializer_list<int> scancodes) { return input->PollKeys(scancodes); }
  bool TestBtn(int btn) const { return input->TestBtn(btn); }
  bool PollBtn(int btn) { return input->PollBtn(btn); }
  std::pair<int, int> MousePos() const { return input->MousePos(); }
  bool PosInRect(int x, int y, int w, int h) const { return input->PosInRect(x, y, w, h); }
  bool PosInCircle(int x, int y, int r) const { return input->PosInCircle(x, y, r); }
  bool PosOnEdge() const { return input->PosOnEdge(); }
  int PollWheel() { return input->PollWheel(); }

  std::string LangNative(const std::string& id) const { return lang->Native(id); }
  const std::string& LangId() const { return lang->LangId(); }
  std::string LangFullDir() const { return lang->FullDir(); }
  [[nodiscard]] Result<void> LangAddFile(const std::string& fname) { return lang->AddFile(fname); }
  std::string LangGet(const std::string& id) const { return lang->Get(id); }

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

  // Cinemas: the pair of the current and the next cinema.
  void LoadRunCinemaAsync(const std::string& path, Handover<bool> done) {
    video->LoadRunCinemaAsync(path, std::move(done));
  }
  void FlipCinemas() { video->FlipCinemas(); }
  void DrawCinemaSingle() { video->DrawCinemaSingle(); }
  void DrawCinemaTransit(double lambda, std::array<int, 2> rectCenter, int rectWidth) {
    video->DrawCinemaTransit(lambda, rectCenter, rectWidth);
  }

  // Text: fonts by slot, text images kept by their maker, and one-call drawing.
  [[nodiscard]] Result<void> LoadFont(const std::string& fname, int size);
  video::TextImage MakeStrImage(video::Font font, const std::string& str, bool wrapped, int width,
                                std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return video::MakeStrImage(*video, font, str, wrapped, width, red, green, blue);
  }
  void DrawStrImage(const video::Animage* txtimg, int x, int y, std::uint8_t shade) {
    video::DrawStrImage(*video, txtimg, x, y, shade);
  }
  std::pair<int, int> DrawStr(video::Font font, const std::string& str, int x, int y, bool fit,
                              std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                              std::uint8_t shade) {
    return video::DrawStr(*video, font, str, x, y, fit, red, green, blue, shade);
  }
  std::pair<int, int> DrawStrWrapped(video::Font font, const std::string& str, int width, int x,
                                     int y, bool fit, std::uint8_t red, std::uint8_t green,
                                     std::uint8_t blue, std::uint8_t shade) {
    return video::DrawStrWrapped(*video, font, str, width, x, y, fit, red, green, blue, shade);
  }

  // Pictures and primitives.
  [[nodiscard]] Result<std::shared_ptr<video::Animage>> LoadAnimage(const std::string& path) {
    return video->LoadAnimage(path);
  }
  // Starts the animage's animation now (the engine clock is its start).
  void RunAnimage(video::Animage* animg, double rate, int repeats);
  void DrawAnimage(const video::Animage* animg, int x, int y, bool smooth, bool center) {
    video->DrawAnimage(animg, x, y, smooth, center);
  }
  void DrawRect(int x, int y, int w, int h, std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                std::uint8_t alpha, bool fill) {
    video->DrawRect(x, y, w, h, red, green, blue, alpha, fill);
  }
  void DrawCircle(int x, int y, int r, std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                  std::uint8_t alpha) {
    video->DrawCircle(x, y, r, red, green, blue, alpha);
  }
};

// Initialises SDL and the modules in their fixed order. A failure returns no context and
// tears nothing down.
[[nodiscard]] Result<std::unique_ptr<Context>> Init(config::Config* cfg);

}  // namespace core
