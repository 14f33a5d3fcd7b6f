// The meta screen's start and its menu page, frame by frame with injected keys.
#include "play/meta/menu.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "core/input_keys.h"
#include "meta_fixture.h"
#include "play/play.h"
#include "support/video_files.h"

namespace {

using namespace input;
using testsupport::MetaTest;

// Layout on the 320 × 240 test screen without a title picture: the column of items
// starts a quarter of the height below the centre.
int itemY(core::Context& ctx, int row) {
  return ctx.VideoH() / 4 + (row - 1) * (ctx.FontHeight(play::META) + 10);
}
class Menu : public MetaTest {
 protected:
  void SetUp() override {
    Verse("lake", Titled("The Lake"));
    Verse("attic", Titled("An Attic"));
    control.SelVerseId = "lake";
  }
  // Whether the left edge of the row's frame is drawn: only the selected item has one.
  bool framed(int row) {
    return frames.Pixel(-meta::BUTTON_WIDTH / 2 - 1, itemY(*engine, row)) ==
           video::Color{239, 239, 239, 0};
  }
};

TEST_F(Menu, StartSortsTheCatalogueAndKeepsTheChosenVerse) {
  Start();
  ASSERT_EQ(L().verseInfos.size(), 2u);
  EXPECT_EQ(L().verseInfos[0].Id, "attic");
  EXPECT_EQ(L().iSelVerse, 1);
  EXPECT_EQ(control.SelVerseId, "lake");
  EXPECT_EQ(screen.page, "menu");
  EXPECT_EQ(screen.sel, "play");
}

TEST_F(Menu, StartFailures) {
  std::filesystem::remove_all(engine.dir.Path() / "verses");
  std::filesystem::create_directories(engine.dir.Path() / "verses");
  auto res = meta::Start(*engine, st);
  ASSERT_FALSE(res);
  EXPECT_EQ(res.error().Message, "Cannot get verse infos: No verse dirs found in 'verses'");

  std::filesystem::remove(engine.dir.Path() / "langs/eng/meta.json");
  res = meta::Start(*engine, st);
  ASSERT_FALSE(res);
  EXPECT_EQ(res.error().Message,
            std::string("Cannot load locales from 'langs/eng/meta.json': Cannot read json: ") +
                std::strerror(ENOENT));
}

TEST_F(Menu, KeysMoveTheSelectionAndEnterActs) {
  struct Case {
    const char* what;
    std::vector<std::vector<int>> frames;  // keys pressed before each frame
    std::string sel;                       // after the last frame
    bool running;                          // the screen goes on
    std::string page;
    std::string nextPlay;
    bool terminate;
  };
  const Case cases[] = {
      {"up from play to info", {{KEY_UP}}, "info", true, "menu", "", false},
      {"up on info stays", {{KEY_UP}, {KEY_KP_8}}, "info", true, "menu", "", false},
      {"down to quit and no further",
       {{KEY_DOWN}, {KEY_KP_2}, {KEY_DOWN}, {KEY_DOWN}, {KEY_DOWN}},
       "quit",
       true,
       "menu",
       "",
       false},
      {"Q only moves", {{KEY_Q}}, "quit", true, "menu", "", false},
      {"Q, then Enter quits", {{KEY_Q}, {KEY_ENTER}}, "quit", false, "", "", true},
      {"of several shortcuts the last in item order wins",
       {{KEY_C, KEY_I}},
       "credits",
       true,
       "menu",
       "",
       false},
      {"Enter on play starts the verse", {{KEY_ENTER}}, "play", false, "", "VERSE", false},
      {"keypad Enter on credits",
       {{KEY_C}, {KEY_KP_ENTER}},
       "credits",
       false,
       "",
       "CREDITS",
       false},
      {"Enter on info opens its page", {{KEY_I}, {KEY_ENTER}}, "info", true, "info", "", false},
      {"Enter on help opens its page", {{KEY_H}, {KEY_ENTER}}, "help", true, "help", "", false},
      {"F10 ends the program", {{KEY_F10, KEY_ENTER}}, "play", false, "", "", true},
  };
  engine.dir.Write("langs/eng/help1.txt", "one\n");
  engine.dir.Write("langs/eng/help2.txt", "two\n");
  engine.dir.Write("langs/eng/help3.txt", "three\n");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    control = {};
    screen = {};
    Start();
    bool running = true;
    for (const auto& keys : c.frames) {
      ASSERT_TRUE(running);
      for (int k : keys) frames.Press(k);
      running = Frame();
    }
    EXPECT_EQ(screen.sel, c.sel);
    EXPECT_EQ(running, c.running);
    EXPECT_EQ(screen.page, c.page);
    EXPECT_EQ(control.NextPlay, c.nextPlay);
    EXPECT_EQ(control.Terminate, c.terminate);
  }
}

TEST_F(Menu, LeftAndRightChooseTheVerseCyclically) {
  Start();
  struct Step {
    int key;
    const char* id;
  };
  for (const Step& s : {Step{KEY_RIGHT, "attic"}, Step{KEY_KP_6, "lake"}, Step{KEY_LEFT, "attic"},
                        Step{KEY_KP_4, "lake"}}) {
    frames.Press(s.key);
    Frame();
    EXPECT_EQ(control.SelVerseId, s.id);
    EXPECT_EQ(L().verseInfos[L().iSelVerse].Id, s.id);
  }
}

TEST_F(Menu, TheSelectedItemIsFramedAlsoAfterAPage) {
  engine.dir.Write("langs/eng/help1.txt", "one\n");
  engine.dir.Write("langs/eng/help2.txt", "two\n");
  engine.dir.Write("langs/eng/help3.txt", "three\n");
  Start();
  Frame();
  EXPECT_TRUE(framed(1)) << "play";
  EXPECT_FALSE(framed(2));

  frames.Press(KEY_DOWN);
  Frame();  // moves the selection after drawing
  frames.Press(KEY_ENTER);
  Frame();
  ASSERT_EQ(screen.page, "help");
  frames.Press(KEY_ESCAPE);
  Frame();
  ASSERT_EQ(screen.page, "menu");
  Frame();
  EXPECT_TRUE(framed(2)) << "help";
  EXPECT_FALSE(framed(1)) << "play";
}

TEST_F(Menu, TheHintStaysUntilAKeyIsHeld) {
  Start();
  // The hint sits in the bottom-left corner.
  auto hintShown = [&] {
    for (int y = 60; y < 120; ++y)
      for (int x = -160; x < -80; ++x)
        if (frames.Pixel(x, y).R) return true;
    return false;
  };
  Frame();
  EXPECT_TRUE(hintShown());
  Frame();
  EXPECT_TRUE(hintShown());
  // A key the menu ignores hides it from the next frame on, also after it is released.
  frames.Hold(KEY_Z);
  Frame();
  frames.Hold(KEY_Z, false);
  Frame();
  EXPECT_FALSE(hintShown());
  EXPECT_TRUE(L().keyPressed);
}

TEST_F(Menu, TheCinemaRunsBehindEveryPage) {
  std::filesystem::create_directories(engine.dir.Path() / "cinemas");
  ASSERT_TRUE(testsupport::MakeVideo((engine.dir.Path() / meta::META_CINEMA).string(),
                                     "-f lavfi -i color=c=0x406080:s=32x24:r=10 -frames:v 3 "
                                     "-c:v libx264 -pix_fmt yuv420p"));
  engine.dir.Write("langs/eng/help1.txt", "one\n");
  engine.dir.Write("langs/eng/help2.txt", "two\n");
  engine.dir.Write("langs/eng/help3.txt", "three\n");
  Start();
  // The menu, then the information page, then the help page; the top-right corner is
  // free of pictures and text on all three.
  for (std::vector<int> keys :
       {std::vector<int>{}, {KEY_I, KEY_ENTER}, {KEY_ESCAPE}, {KEY_H, KEY_ENTER}}) {
    for (int k : keys) frames.Press(k);
    ASSERT_TRUE(Frame());
    Frame();
    video::Color corner = frames.Pixel(150, -110);
    EXPECT_NEAR(corner.R, 0x40, 4) << screen.page;
    EXPECT_NEAR(corner.G, 0x60, 4) << screen.page;
    EXPECT_NEAR(corner.B, 0x80, 4) << screen.page;
  }
  EXPECT_EQ(screen.page, "help");
}

class MenuSounds : public MetaTest {
 protected:
  MenuSounds() : MetaTest(testsupport::META_CONFIG_SOUND) {}
  void SetUp() override {
    Sounds();
    Verse("only", Titled("Only"));
    Start();
  }
  // Whether the sound was started in the frame after `key` was pressed.
  bool sounds(audio::Sound* snd, int key) {
    EXPECT_NE(snd, nullptr);
    snd->channel = audio::SOUND_CHANNEL_NONE;
    frames.Press(key);
    Frame();
    return snd->channel != audio::SOUND_CHANNEL_NONE;
  }
};

TEST_F(MenuSounds, OneVerseStaysChosenButStillSounds) {
  EXPECT_TRUE(sounds(L().sndChooseVerse, KEY_LEFT));
  EXPECT_TRUE(sounds(L().sndChooseVerse, KEY_RIGHT));
  EXPECT_EQ(L().iSelVerse, 0);
  EXPECT_EQ(control.SelVerseId, "only");
}

TEST_F(MenuSounds, MovesSoundOnlyWhenTheyMove) {
  EXPECT_TRUE(sounds(L().sndChooseItem, KEY_UP));
  EXPECT_FALSE(sounds(L().sndChooseItem, KEY_UP)) << "up on info";
  EXPECT_TRUE(sounds(L().sndChooseItem, KEY_Q));
  EXPECT_FALSE(sounds(L().sndChooseItem, KEY_DOWN)) << "down on quit";
  EXPECT_TRUE(sounds(L().sndChooseItem, KEY_I)) << "a shortcut sounds";
  EXPECT_TRUE(sounds(L().sndSelect, KEY_ENTER)) << "a page opens";
  EXPECT_TRUE(sounds(L().sndUnselect, KEY_ESCAPE)) << "and closes";
}

}  // namespace
