// libFuzzer entry for the verse loader: one headless engine in a scratch working directory
// serves every input.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/config.h"
#include "core/context.h"
#include "fuzz/targets.h"

namespace {
core::Context* engine = nullptr;
config::Config settings;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  std::string dir = (std::filesystem::temp_directory_path() / "orl-fuzz-XXXXXX").string();
  if (!mkdtemp(dir.data()) || chdir(dir.c_str()) != 0) std::abort();
  std::filesystem::create_directories("langs/eng");
  std::ofstream("langs/natives.json") << R"({"eng":"English"})";
  settings.XRes = 64;
  settings.YRes = 48;
  settings.Framerate = 60;
  settings.Mute = true;
  settings.Lang = "eng";
  settings.NumCPU = 1;
  auto ctx = core::Init(&settings);
  if (!ctx) std::abort();
  engine = ctx->release();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return fuzz::Verse(*engine, data, size);
}
