// The program as a whole: its one error line on standard output and its exit status.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include "support/engine.h"
#include "support/verse_fixture.h"

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
      {"{",
       "Error: Cannot load settings: Cannot decode 'config.json': Cannot unmarshal json data: ",
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

// Starts the program in `dir` and lets it run for `ms` milliseconds: whether it was still
// running then (it is killed), and what it printed.
struct Lasting {
  bool running;
  std::string out;
};

Lasting runFor(const std::filesystem::path& dir, int ms) {
  int fds[2];
  if (pipe(fds) != 0) return {false, std::strerror(errno)};
  pid_t pid = fork();
  if (pid == 0) {
    dup2(fds[1], STDOUT_FILENO);
    close(fds[0]);
    close(fds[1]);
    if (chdir(dir.c_str()) == 0) execl(ORL_BINARY, ORL_BINARY, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  bool running = true;
  for (int waited = 0; running && waited < ms; waited += 10) {
    usleep(10000);
    running = waitpid(pid, nullptr, WNOHANG) == 0;
  }
  if (running) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
  }
  std::string out;
  char buf[256];
  while (true) {
    ssize_t n = read(fds[0], buf, sizeof buf);
    if (n <= 0) break;
    out.append(buf, static_cast<std::size_t>(n));
  }
  close(fds[0]);
  return {running, out};
}

TEST(Program, StartsWithTheIntro) {
  testsupport::TempDir dir(false);
  testsupport::WriteEngineFiles(dir, runnable);
  // The dispatcher reaches the intro, which needs its texts.
  Outcome o = runIn(dir.Path());
  EXPECT_EQ(o.out, std::string("Error: Cannot play: Play 'INTRO' error: Cannot load locales from "
                               "'langs/eng/intro.json': Cannot read json: ") +
                       std::strerror(ENOENT) + "\n");
  EXPECT_EQ(o.status, 1);

  // With them and its two logos it runs on, silently, until it is stopped.
  dir.Write("langs/eng/intro.json", R"({"quote":"Q"})");
  testsupport::WritePng(dir.Path() / "animages/intro/orlevanth.png", 4, 4);
  testsupport::WritePng(dir.Path() / "animages/intro/tovameremin.png", 4, 4);
  Lasting r = runFor(dir.Path(), 1000);
  EXPECT_TRUE(r.running);
  EXPECT_EQ(r.out, "");
}

}  // namespace
