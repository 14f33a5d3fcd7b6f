// Languages: the choice of the directory in use, and the per-screen text table.
#include "core/lang.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "support/temp_dir.h"

namespace {

const std::string NO_FILE = std::strerror(ENOENT);

std::unique_ptr<lang::Context> initWith(const std::string& requested) {
  config::Config cfg;
  cfg.Lang = requested;
  auto res = lang::Init(cfg);
  EXPECT_TRUE(res) << res.error().Message;
  return res ? std::move(*res) : nullptr;
}

TEST(Lang, InitChoosesTheDirectoryOrFallsBackToEnglish) {
  struct Case {
    const char* lang;
    std::vector<std::string> dirs;   // made under langs/
    std::vector<std::string> files;  // plain files under langs/
    std::string error;               // empty: Init succeeds
    std::string fullDir;
  };
  const Case cases[] = {
      {"deu", {"deu", "eng"}, {}, "", "langs/deu"},
      {"deu", {"eng"}, {}, "", "langs/eng"},
      {"eng", {"eng"}, {}, "", "langs/eng"},
      {"deu",
       {},
       {},
       "Cannot open neither 'langs/deu' with requested locales, nor 'langs/eng' with default "
       "locales",
       ""},
      {"eng", {}, {}, "Cannot open 'langs/eng' with requested (and default) locales", ""},
      {"deu", {"eng"}, {"deu"}, "'langs/deu' is not a dir", ""},
      {"deu", {}, {"eng"}, "'langs/eng' is not a dir", ""},
      {"eng", {}, {"eng"}, "'langs/eng' is not a dir", ""},
      // An empty id names the languages root itself, which exists.
      {"", {}, {}, "", "langs/"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "Lang '" << c.lang << "', expected: " << c.error << c.fullDir);
    testsupport::TempDir dir;
    dir.Write("langs/natives.json", R"({"eng":"English","deu":"Deutsch"})");
    for (const auto& d : c.dirs) std::filesystem::create_directories(dir.Path() / "langs" / d);
    for (const auto& f : c.files) dir.Write("langs/" + f, "{}");

    config::Config cfg;
    cfg.Lang = c.lang;
    auto res = lang::Init(cfg);
    if (!c.error.empty()) {
      ASSERT_FALSE(res);
      EXPECT_EQ(res.error().Message, c.error);
      continue;
    }
    ASSERT_TRUE(res) << res.error().Message;
    EXPECT_EQ((*res)->FullDir(), c.fullDir);
    EXPECT_EQ((*res)->LangId(), c.lang) << "the requested id, whichever directory is used";
    EXPECT_EQ((*res)->Native("deu"), "Deutsch");
    EXPECT_EQ((*res)->Native("fra"), "");
  }
}

TEST(Lang, NativesFileErrors) {
  struct Case {
    const char* content;  // null: no file
    std::string error;
  };
  const std::string prefix = "Cannot load native language names from 'langs/natives.json': ";
  const Case cases[] = {
      {nullptr, prefix + "Cannot read json: " + NO_FILE},
      {R"({"eng":1})", prefix + "Cannot unmarshal json data: 'eng' is an integer, expected string"},
      {R"(["eng"])", prefix + "Cannot unmarshal json data: the value is an array, expected map"},
  };
  for (const auto& c : cases) {
    testsupport::TempDir dir;
    std::filesystem::create_directories(dir.Path() / "langs" / "eng");
    if (c.content) dir.Write("langs/natives.json", c.content);
    config::Config cfg;
    cfg.Lang = "eng";
    auto res = lang::Init(cfg);
    ASSERT_FALSE(res);
    EXPECT_EQ(res.error().Message, c.error);
  }
}

TEST(Lang, FilesMergeLaterWinsAndCleanEmpties) {
  testsupport::TempDir dir;
  dir.Write("langs/natives.json", R"({"eng":"English"})");
  dir.Write("langs/eng/intro.json", R"({"title":"Intro","skip":"Press a key"})");
  dir.Write("langs/eng/meta.json", R"({"title":"Menu","quit":"Quit"})");
  dir.Write("langs/eng/mixed.json", R"({"title":"Broken","count":3})");
  dir.Write("langs/eng/list.json", R"(["title"])");
  // The requested language has no directory: its texts come from the default one.
  auto lang = initWith("deu");
  ASSERT_TRUE(lang);

  ASSERT_TRUE(lang->AddFile("intro.json"));
  ASSERT_TRUE(lang->AddFile("meta.json"));
  EXPECT_EQ(lang->Get("title"), "Menu") << "the later file wins";
  EXPECT_EQ(lang->Get("skip"), "Press a key");
  EXPECT_EQ(lang->Get("quit"), "Quit");
  EXPECT_EQ(lang->Get("Quit"), "") << "ids are exact";
  EXPECT_EQ(lang->Get("missing"), "") << "no fallback to the id";

  // A failed file leaves the table as it was, even when part of it was read.
  struct Bad {
    const char* file;
    std::string error;
  };
  const Bad bad[] = {
      {"mixed.json",
       "Cannot load locales from 'langs/eng/mixed.json': Cannot unmarshal json data: 'count' is "
       "an integer, expected string"},
      {"list.json",
       "Cannot load locales from 'langs/eng/list.json': Cannot unmarshal json data: the value is "
       "an array, expected map"},
      {"credits.json",
       "Cannot load locales from 'langs/eng/credits.json': Cannot read json: " + NO_FILE},
  };
  for (const auto& b : bad) {
    auto res = lang->AddFile(b.file);
    ASSERT_FALSE(res) << b.file;
    EXPECT_EQ(res.error().Message, b.error);
  }
  EXPECT_EQ(lang->Get("title"), "Menu");
  EXPECT_EQ(lang->idtostr.size(), 3u);

  lang->Clean();
  EXPECT_EQ(lang->Get("title"), "");
  EXPECT_EQ(lang->Get("quit"), "");
  EXPECT_EQ(lang->LangId(), "deu") << "the choice of language outlives Clean";
  EXPECT_EQ(lang->FullDir(), "langs/eng");
  EXPECT_EQ(lang->Native("eng"), "English");
}

TEST(Lang, EmptyIdFailsOnTheFirstFile) {
  testsupport::TempDir dir;
  dir.Write("langs/natives.json", R"({"eng":"English"})");
  dir.Write("langs/eng/intro.json", R"({"title":"Intro"})");
  auto lang = initWith("");
  ASSERT_TRUE(lang);
  auto res = lang->AddFile("intro.json");
  ASSERT_FALSE(res);
  EXPECT_EQ(res.error().Message,
            "Cannot load locales from 'langs//intro.json': Cannot read json: " + NO_FILE);
}

}  // namespace
