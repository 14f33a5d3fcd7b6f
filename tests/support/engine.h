// A headless engine started in a fresh working directory that holds the few files every
// start needs: settings, languages, fonts and the chosen verse.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "core/config.h"
#include "core/context.h"
#include "support/temp_dir.h"

namespace testsupport {

inline constexpr const char* TEST_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// Writes the files an engine start needs into dir; settings as given.
inline void WriteEngineFiles(const TempDir& dir, const std::string& config) {
  dir.Write("config.json", config);
  dir.Write("langs/natives.json", R"({"eng":"English","deu":"Deutsch"})");
  dir.Write("langs/eng/.keep", "");
  std::filesystem::create_directories(dir.Path() / "fonts");
  std::filesystem::copy_file(TEST_FONT, dir.Path() / "fonts/sans.ttf");
  dir.Write("fonts/fonts.json",
            R"({"SystemFile":"sans.ttf","SystemSize":10,"IntroFile":"sans.ttf","IntroSize":11,)"
            R"("MetaFile":"sans.ttf","MetaSize":12,"HelpFile":"sans.ttf","HelpSize":13,)"
            R"("CreditsFile":"sans.ttf","CreditsSize":14,"HoverFile":"sans.ttf","HoverSize":15,)"
            R"("PhraseFile":"sans.ttf","PhraseSize":16})");
  dir.Write("states/verse.json", R"("")");
}

// An engine context on SDL's dummy drivers, in its own working directory.
class Engine {
 public:
  explicit Engine(const std::string& config =
                      R"({"XRes":64,"YRes":48,"Framerate":1000,"Mute":true,"Lang":"eng"})") {
    WriteEngineFiles(dir, config);
    auto cfg = config::Load();
    if (!cfg) {
      ADD_FAILURE() << cfg.error().Message;
      return;
    }
    settings = std::move(*cfg);
    auto ctx = core::Init(settings.get());
    if (!ctx) {
      ADD_FAILURE() << ctx.error().Message;
      return;
    }
    context = std::move(*ctx);
  }
  ~Engine() {
    if (context) context->Drop();
  }
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  core::Context& operator*() { return *context; }
  core::Context* operator->() { return context.get(); }

  TempDir dir;
  std::unique_ptr<config::Config> settings;
  std::unique_ptr<core::Context> context;
};

}  // namespace testsupport
