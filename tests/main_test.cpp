// The program as a whole: its one error line on standard output and its exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include "support/engine.h"

namespace {

// Settings that start the engine headless.
const char* runnable = R"({"XRes":64,"YRes":48,"Framerate":60,"Mute":true,"Lang":"eng"})";

struct Outcome {
  std::string out;
  int status;
};

Outcome runIn(const std::filesystem::path& dir) {
  std::string cmd = "cd '" + dir.string() + "' && '" ORL_BINARY "'";
  FILE* p = popen(cmd.c_str(), "r");
  std::string out;
  char buf[256];
  while (std::size_t n = fread(buf, 1, sizeof buf, p)) out.append(buf, n);
  int st = pclose(p);
  return {out, WIFEXITED(st) ? WEXITSTATUS(st) : -1};
}

TEST(Program, StartupFailuresPrintOneErrorLineAndExit1) {
  struct Case {
    const char* config;  // null: no settings file
    std::string line;    // the line, or its start when `whole` is false
    bool whole;
    std::vector<std::pair<std::string, std::string>> files = {};  // more files to write
  };
  const Case cases[] = {
      {nullptr,
       std::string("Error: Cannot load settings: Cannot decode 'config.json': Cannot read json: ") +
           std::strerror(ENOENT) + "\n",
       true},
      {R"({"Framerate":60,"XRes":1.5})",
       "Error: Cannot load settings: Cannot decode 'config.json': Cannot unmarshal json data: "
       "'XRes' is",
       false},
      {R"({"Framerate":60,"VSync":"on"})",
       "Error: Cannot load settings: Cannot decode 'config.json': Cannot unmarshal json data: ",
       false},
      {"{", "Error: Cannot load settings: Cannot decode 'config.json': Cannot unmarshal json data: ",
       false},
      {R"({"XRes":64,"YRes":48})",
       "Error: Cannot init Context: Cannot init Video context: Invalid setting Framerate: 0 (it "
       "must be at least 1 frame per second)\n",
       true},
      {runnable,
       std::string("Error: Cannot init Context: Cannot init Language context: Cannot load native "
                   "language names from 'langs/natives.json': Cannot read json: ") +
           std::strerror(ENOENT) + "\n",
       true},
      {runnable,
       "Error: Cannot init Context: Cannot init Language context: Cannot open 'langs/eng' with "
       "requested (and default) locales\n",
       true,
       {{"langs/natives.json", R"({"eng":"English"})"}}},
  };
  for (const auto& c : cases) {
    testsupport::TempDir dir(false);
    if (c.config) dir.Write("config.json", c.config);
    for (const auto& [name, bytes] : c.files) dir.Write(name, bytes);
    Outcome o = runIn(dir.Path());
    EXPECT_EQ(o.status, 1) << o.out;
    if (c.whole) {
      EXPECT_EQ(o.out, c.line);
    } else {
      EXPECT_EQ(o.out.rfind(c.line, 0), 0u) << o.out;
      EXPECT_EQ(std::count(o.out.begin(), o.out.end(), '\n'), 1) << o.out;
    }
  }
}

TEST(Program, StartsTheDispatcherOnAHeadlessEngine) {
  testsupport::TempDir dir(false);
  testsupport::WriteEngineFiles(dir, runnable);
  Outcome o = runIn(dir.Path());
  // The engine starts, loads its fonts and the chosen verse, and asks for the first screen.
  EXPECT_EQ(o.out, "Error: Cannot play: Unknown play: 'INTRO'\n");
  EXPECT_EQ(o.status, 1);
}

}  // namespace
