#include "core/low.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "support/temp_dir.h"

namespace {

using testsupport::TempDir;

struct Doc {
  std::string Title;
  std::vector<std::string> Tags;
};
JSON_RECORD(Doc, Title, Tags)

std::vector<std::string> entries(const std::filesystem::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir))
    names.push_back(e.path().filename().string());
  return names;
}

TEST(EncodeJSON, WritesCompactFileWithMode0664) {
  TempDir dir;
  mode_t old = umask(0);
  auto res = core::EncodeJSON("doc.json", Doc{"a<b", {"x"}});
  umask(old);
  ASSERT_TRUE(res) << res.error().Message;
  EXPECT_EQ(dir.Read("doc.json"), R"({"Title":"a\u003cb","Tags":["x"]})");
  struct stat st {};
  ASSERT_EQ(stat("doc.json", &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0664u);
  EXPECT_EQ(entries(dir.Path()), std::vector<std::string>{"doc.json"});

  // Replacing the file leaves only the new content, and no temporary file.
  ASSERT_TRUE(core::EncodeJSON("doc.json", std::string("v")));
  EXPECT_EQ(dir.Read("doc.json"), R"("v")");
  EXPECT_EQ(entries(dir.Path()), std::vector<std::string>{"doc.json"});
}

TEST(EncodeJSON, FailedWriteKeepsPreviousFile) {
  TempDir dir;
  dir.Write("state.json", R"("previous")");

  // A file-size limit makes the write fail half-way, as a full disk would.
  signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 16;
  setrlimit(RLIMIT_FSIZE, &small);
  auto res = core::EncodeJSON("state.json", std::string(1000, 'x'));
  setrlimit(RLIMIT_FSIZE, &old);
  signal(SIGXFSZ, SIG_DFL);

  ASSERT_FALSE(res);
  EXPECT_EQ(res.error().Message, std::string("Cannot write json: ") + std::strerror(EFBIG));
  EXPECT_EQ(dir.Read("state.json"), R"("previous")");
  EXPECT_EQ(entries(dir.Path()), std::vector<std::string>{"state.json"});
}

TEST(EncodeJSON, Errors) {
  TempDir dir;
  auto res = core::EncodeJSON("missing/doc.json", Doc{});
  ASSERT_FALSE(res);
  EXPECT_EQ(res.error().Message, std::string("Cannot write json: ") + std::strerror(ENOENT));

  dir.Write("n.json", "1");
  res = core::EncodeJSON("n.json", std::nan(""));
  ASSERT_FALSE(res);
  EXPECT_EQ(res.error().Message.rfind("Cannot marshal json data: ", 0), 0u) << res.error().Message;
  EXPECT_EQ(dir.Read("n.json"), "1");
}

TEST(MkdirAll, CreatesParentsAndKeepsWhatExists) {
  TempDir dir;
  mode_t old = umask(0);
  auto res = core::MkdirAll("states/tower/deep");
  umask(old);
  ASSERT_TRUE(res) << res.error().Message;
  struct stat st {};
  ASSERT_EQ(stat("states/tower", &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0775u);
  EXPECT_TRUE(core::MkdirAll("states/tower/deep"));
  dir.Write("file", "x");
  res = core::MkdirAll("file/sub");
  ASSERT_FALSE(res);
  EXPECT_EQ(res.error().Message, std::strerror(ENOTDIR));
}

TEST(DecodeJSON, Errors) {
  TempDir dir;
  Doc d;
  auto res = core::DecodeJSON("nope.json", &d);
  ASSERT_FALSE(res);
  EXPECT_EQ(res.error().Message, std::string("Cannot read json: ") + std::strerror(ENOENT));

  std::filesystem::create_directory("adir");
  res = core::DecodeJSON("adir", &d);
  ASSERT_FALSE(res);
  EXPECT_EQ(res.error().Message, std::string("Cannot read json: ") + std::strerror(EISDIR));

  dir.Write("bad.json", R"({"Title": [)");
  res = core::DecodeJSON("bad.json", &d);
  ASSERT_FALSE(res);
  EXPECT_EQ(res.error().Message.rfind("Cannot unmarshal json data: ", 0), 0u);

  dir.Write("good.json", R"({"title":"t","tags":["a"]})");
  ASSERT_TRUE(core::DecodeJSON("good.json", &d));
  EXPECT_EQ(d.Title, "t");
}

TEST(ReadStrings, Lines) {
  struct Case {
    std::string bytes;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"", {}},
      {"\n", {""}},
      {"a\r\nb\nc", {"a", "b", "c"}},
      {"x\n\ny\n", {"x", "", "y"}},
      {"  spaced  \n", {"  spaced  "}},
      {"a\r\r\n", {"a\r"}},
      {"a\rb\n", {"a\rb"}},
      {"last\r", {"last\r"}},
  };
  TempDir dir;
  for (const auto& c : cases) {
    dir.Write("t.txt", c.bytes);
    auto lines = core::ReadStrings("t.txt");
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, c.lines) << testing::PrintToString(c.bytes);
  }
  auto missing = core::ReadStrings("missing.txt");
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.error().Message, std::strerror(ENOENT));
}

TEST(Helpers, Numeric) {
  EXPECT_EQ(core::ISign(0), -1);
  EXPECT_EQ(core::ISign(5), 1);
  EXPECT_EQ(core::ISign(-5), -1);
  EXPECT_EQ(core::IAbs(-3), 3);
  EXPECT_EQ(core::IMin(-2, 4), -2);
  EXPECT_EQ(core::IMax(-2, 4), 4);
  EXPECT_DOUBLE_EQ(core::CubicTrans(0), 0);
  EXPECT_DOUBLE_EQ(core::CubicTrans(0.25), 0.15625);
  EXPECT_DOUBLE_EQ(core::CubicTrans(1), 1);
  EXPECT_EQ(core::RGB2Hex(0, 0, 0), "000000");
  EXPECT_EQ(core::RGB2Hex(255, 0, 16), "ff0010");
  EXPECT_EQ(core::RGB2Hex(0xab, 0xcd, 0xef), "abcdef");
  EXPECT_FALSE(core::StringsHave({}, ""));
  EXPECT_TRUE(core::StringsHave({"eng", "deu"}, "deu"));
  EXPECT_FALSE(core::StringsHave({"eng"}, "Eng"));
}

}  // namespace
