// The information and help pages of the meta screen and their line printer.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "core/input_keys.h"
#include "meta_fixture.h"
#include "play/meta/help.h"
#include "play/meta/info.h"

namespace {

using namespace input;
using testsupport::MetaTest;

class Pages : public MetaTest {
 protected:
  void SetUp() override {
    Verse("lake", R"({"Title":{"eng":"The Lake"},"Languages":[]})");
    engine.dir.Write("langs/eng/help1.txt", "first\n\nthird line\n");
    engine.dir.Write("langs/eng/help2.txt", "page two\n");
    engine.dir.Write("langs/eng/help3.txt", "page three\n");
    Start();
  }
  // Opens a page from the menu with its shortcut and Enter.
  void open(int shortcut) {
    frames.Press(shortcut);
    ASSERT_TRUE(Frame());
    frames.Press(KEY_ENTER);
    ASSERT_TRUE(Frame());
  }
};

TEST_F(Pages, LanguagesAreNamedNativelyWithTheirIds) {
  struct Case {
    std::vector<std::string> ids;
    std::string line;
  };
  const Case cases[] = {
      {{}, ""},
      {{"eng"}, "English (eng)"},
      {{"eng", "deu"}, "English (eng), Deutsch (deu)"},
      {{"xx"}, " (xx)"},  // no native name known
  };
  for (const Case& c : cases) EXPECT_EQ(meta::languagesLine(*engine, c.ids), c.line);
}

TEST_F(Pages, ThePrinterStacksEntriesFromTheTopLeftCorner) {
  frames.Sync();
  meta::printState p;
  p.init(*engine);
  EXPECT_EQ(p.w, 320 - 16);
  EXPECT_EQ(p.x, -160 + 8);
  EXPECT_EQ(p.y0, -120 + 8);
  const int fh = engine->FontHeight(play::HELP);
  EXPECT_EQ(p.sh, fh + 2);

  p.reset();
  p.print("");
  EXPECT_EQ(p.y, p.y0 + fh + 2) << "an empty entry leaves a gap of one line";
  p.print("one line");
  EXPECT_EQ(p.y, p.y0 + 2 * (fh + 2));
  // An entry wider than the screen wraps inside one box.
  p.print(
      "a long entry that cannot stand on one line of a screen only three hundred "
      "and twenty pixels wide");
  EXPECT_GE(p.y, p.y0 + 2 * (fh + 2) + 2 * fh + 2);
  // Nothing lies in the margins left of and above the entries.
  bool inMargin = false, inText = false;
  for (int y = -120; y < 120; ++y)
    for (int x = -160; x < 160; ++x) {
      if (!frames.Pixel(x, y).R) continue;
      (x < p.x || y < p.y0 ? inMargin : inText) = true;
    }
  EXPECT_TRUE(inText);
  EXPECT_FALSE(inMargin);
  p.reset();
  EXPECT_EQ(p.y, p.y0);
}

TEST_F(Pages, InfoReturnsToTheMenuOnItsItem) {
  open(KEY_I);
  ASSERT_EQ(screen.page, "info");
  Frame();
  EXPECT_TRUE(frames.AnyLit());
  frames.Press(KEY_ESCAPE);
  ASSERT_TRUE(Frame());
  EXPECT_EQ(screen.page, "menu");
  EXPECT_EQ(screen.sel, "info");
}

TEST_F(Pages, HelpTurnsItsThreePagesWithSpace) {
  open(KEY_H);
  ASSERT_EQ(screen.page, "help");
  ASSERT_EQ(screen.help.pages[0], (std::vector<std::string>{"first", "", "third line"}));
  for (int expected : {1, 2, 0}) {
    frames.Press(KEY_SPACE);
    ASSERT_TRUE(Frame());
    EXPECT_EQ(screen.help.page, expected);
  }
  // Every visit starts on the first page.
  frames.Press(KEY_SPACE);
  frames.Press(KEY_ESCAPE);
  ASSERT_TRUE(Frame());
  EXPECT_EQ(screen.sel, "help");
  frames.Press(KEY_ENTER);
  ASSERT_TRUE(Frame());
  EXPECT_EQ(screen.help.page, 0);
}

TEST_F(Pages, F10WinsOverEscapeOnBothPages) {
  for (int shortcut : {KEY_I, KEY_H}) {
    control.Terminate = false;
    screen = {};
    open(shortcut);
    frames.Press(KEY_ESCAPE);
    frames.Press(KEY_F10);
    EXPECT_FALSE(Frame());
    EXPECT_TRUE(control.Terminate);
    EXPECT_EQ(screen.page, "");
  }
}

TEST_F(Pages, AHelpFileThatCannotBeReadEndsTheScreen) {
  std::filesystem::remove(engine.dir.Path() / "langs/eng/help2.txt");
  frames.Press(KEY_H);
  Frame();
  frames.Press(KEY_ENTER);
  frames.Sync();
  auto res = screen.Frame(*engine, st);
  ASSERT_FALSE(res);
  EXPECT_EQ(res.error().Message, std::strerror(ENOENT));
}

}  // namespace
