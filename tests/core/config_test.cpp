#include "core/config.h"

#include <gtest/gtest.h>
#include <sched.h>

#include <cerrno>
#include <cstring>

#include "support/temp_dir.h"

namespace {

using testsupport::TempDir;

int processors() {
  cpu_set_t set;
  sched_getaffinity(0, sizeof set, &set);
  return CPU_COUNT(&set);
}

TEST(Config, MissingKeysAreZero) {
  TempDir dir;
  dir.Write("config.json", R"({"Lang":"eng","Framerate":30})");
  auto cfg = config::Load();
  ASSERT_TRUE(cfg) << cfg.error().Message;
  const config::Config& c = **cfg;
  EXPECT_EQ(c.Lang, "eng");
  EXPECT_EQ(c.Framerate, 30);
  EXPECT_EQ(c.XRes, 0);
  EXPECT_EQ(c.YRes, 0);
  EXPECT_FALSE(c.FullScr);
  EXPECT_FALSE(c.VSync);
  EXPECT_FALSE(c.Mute);
  EXPECT_EQ(c.VolSound + c.VolMusic + c.VolSpeech, 0);
  EXPECT_EQ(c.NumCPU, processors());
}

TEST(Config, KeysIgnoreCaseAndNumCPUIsTheMachines) {
  TempDir dir;
  dir.Write("config.json", R"({"xres":640,"YRES":480,"NumCPU":64,"Colour":"blue","fullscr":true})");
  auto cfg = config::Load();
  ASSERT_TRUE(cfg) << cfg.error().Message;
  EXPECT_EQ((*cfg)->XRes, 640);
  EXPECT_EQ((*cfg)->YRes, 480);
  EXPECT_TRUE((*cfg)->FullScr);
  EXPECT_EQ((*cfg)->NumCPU, processors());
}

TEST(Config, Errors) {
  const std::string prefix = "Cannot decode 'config.json': ";
  struct Case {
    const char* content;  // null: no file
    std::string message;  // the whole message, or its start when `whole` is false
    bool whole;
  };
  const Case cases[] = {
      {nullptr, prefix + "Cannot read json: " + std::strerror(ENOENT), true},
      {R"({"XRes": 1.5})", prefix + "Cannot unmarshal json data: 'XRes' is", false},
      {R"({"Mute": "yes"})", prefix + "Cannot unmarshal json data: 'Mute' is a string", false},
      {R"({"Framerate": 60)", prefix + "Cannot unmarshal json data: [json.exception.parse_error", false},
      {R"(["XRes"])", prefix + "Cannot unmarshal json data: the value is an array", false},
  };
  for (const auto& c : cases) {
    TempDir dir;
    if (c.content) dir.Write("config.json", c.content);
    auto cfg = config::Load();
    ASSERT_FALSE(cfg);
    if (c.whole) EXPECT_EQ(cfg.error().Message, c.message);
    else EXPECT_EQ(cfg.error().Message.rfind(c.message, 0), 0u) << cfg.error().Message;
  }
}

}  // namespace
