// The credits scroll, frame by frame with a hand-set clock.
#include "play/credits/credits.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "core/input_keys.h"
#include "play/font.h"
#include "play/play.h"
#include "support/engine.h"
#include "support/frames.h"
#include "support/video_files.h"

namespace {

using namespace credits;
using testsupport::Engine;
using testsupport::Frames;

TEST(CreditsScroll, LengthAndDuration) {
  struct Case {
    std::size_t lines;
    int fontHeight, screenHeight;
    int length;
    double seconds;
  };
  const Case cases[] = {
      {100, 22, 720, 3120, 84.324},  // (24 × 100 + 720) / 37
      {0, 22, 720, 720, 19.459},     // an empty file: only the cinema, for H / 37 seconds
      {1, 30, 400, 432, 11.676},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScrollLength(c.lines, c.fontHeight, c.screenHeight), c.length);
    EXPECT_NEAR(ScrollDuration(c.length) / 1000, c.seconds, 0.001);
  }
}

class CreditsTest : public testing::Test {
 protected:
  CreditsTest()
      : engine(R"({"XRes":320,"YRes":240,"Framerate":1000,"Mute":true,"Lang":"eng"})"),
        frames(*engine) {
    st.Control = &control;
    EXPECT_TRUE(play::LoadFonts(*engine));
  }
  bool frameAt(std::int64_t ticks) {
    frames.SyncAt(ticks);
    return c.Frame(*engine, st);
  }
  std::vector<std::size_t> rendered() const {
    std::vector<std::size_t> out;
    for (const auto& [i, img] : c.rendered) out.push_back(i);
    return out;
  }
  static std::vector<std::size_t> range(std::size_t first, std::size_t last) {
    std::vector<std::size_t> out;
    for (std::size_t i = first; i <= last; ++i) out.push_back(i);
    return out;
  }

  Engine engine;
  Frames frames;
  play::Control control;
  play::States st;
  Credits c;
};

TEST_F(CreditsTest, OnlyLinesInTheVisibleBandAreRendered) {
  // 16 lines with a step of 22 on a 240-pixel screen scroll 592 = 37 × 16 pixels in 16 s,
  // so every whole second moves the text by exactly 37 pixels.
  for (int i = 0; i < 16; ++i) c.credits.push_back("line " + std::to_string(i));
  c.vh = 240;
  c.sh = 20;
  c.length = ScrollLength(c.credits.size(), c.sh, c.vh);
  c.duration = ScrollDuration(c.length);
  ASSERT_EQ(c.duration, 16000);
  c.start = 1000;

  struct Step {
    int second;
    std::vector<std::size_t> lines;  // those whose top lies from 142 above to 120 below the centre
  };
  const Step steps[] = {
      {0, {0}},           // the first line's top on the bottom edge
      {4, range(0, 6)},   // first line at −28
      {8, range(2, 13)},  // first line at −176
      {16, {15}},         // the last line's top one step above the top edge
  };
  for (const Step& s : steps) {
    EXPECT_FALSE(frameAt(1000 + 1000 * s.second));
    EXPECT_EQ(rendered(), s.lines) << "second " << s.second;
  }
  EXPECT_TRUE(frameAt(17001)) << "the last line has left";
  EXPECT_FALSE(control.Terminate);

  // Drawn: at second 4 the first line starts 28 pixels above the centre, nothing above it.
  frameAt(5000);
  bool above = false, first = false;
  for (int y = -120; y < -8; ++y)
    for (int x = -160; x < 160; ++x)
      if (frames.Pixel(x, y).R) (y < -28 ? above : first) = true;
  EXPECT_TRUE(first);
  EXPECT_FALSE(above);
}

TEST_F(CreditsTest, StartReadsTheLanguagesFile) {
  engine.dir.Write("langs/eng/credits.txt", "one\n\nthree\n");
  ASSERT_TRUE(c.Start(*engine, st));
  EXPECT_EQ(control.NextPlay, play::PLAY_META);
  EXPECT_EQ(c.credits, (std::vector<std::string>{"one", "", "three"}));
  const int sh = engine->FontHeight(play::CREDITS);
  EXPECT_EQ(c.sh, sh);
  EXPECT_EQ(c.length, 3 * (sh + CREDITS_SPACING) + 240);

  // An empty file scrolls nothing but still lasts H / 37 seconds.
  engine.dir.Write("langs/eng/credits.txt", "");
  Credits empty;
  ASSERT_TRUE(empty.Start(*engine, st));
  EXPECT_EQ(empty.length, 240);

  std::filesystem::remove(engine.dir.Path() / "langs/eng/credits.txt");
  auto res = Credits{}.Start(*engine, st);
  ASSERT_FALSE(res);
  EXPECT_EQ(res.error().Message, std::strerror(ENOENT));
}

TEST_F(CreditsTest, AHeldKeyLeavesAndF10EndsTheProgram) {
  engine.dir.Write("langs/eng/credits.txt", "one\n");
  auto start = [&] {
    control = {};
    c = {};
    ASSERT_TRUE(c.Start(*engine, st));
  };
  struct Case {
    const char* what;
    int press, hold;
    bool terminate;
  };
  const Case cases[] = {
      {"F10 pressed and held", input::KEY_F10, input::KEY_F10, true},
      {"F10 pressed", input::KEY_F10, -1, true},
      {"a key held after a frame without keys", -1, input::KEY_A, false},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    start();
    ASSERT_FALSE(frameAt(c.start + 1));
    if (k.press >= 0) frames.Press(k.press);
    if (k.hold >= 0) frames.Hold(k.hold);
    EXPECT_TRUE(frameAt(c.start + 2));
    EXPECT_EQ(control.Terminate, k.terminate);
    EXPECT_EQ(control.NextPlay, play::PLAY_META);
    if (k.hold >= 0) frames.Hold(k.hold, false);
  }

  // The menu's Enter, still down when the credits start, does not end them; once it is
  // up, a key held ends them.
  frames.Hold(input::KEY_ENTER);
  start();
  EXPECT_FALSE(frameAt(c.start + 1));
  EXPECT_FALSE(frameAt(c.start + 2));
  frames.Hold(input::KEY_ENTER, false);
  EXPECT_FALSE(frameAt(c.start + 3));
  frames.Hold(input::KEY_ENTER);
  EXPECT_TRUE(frameAt(c.start + 4));
  frames.Hold(input::KEY_ENTER, false);

  // Mouse buttons do nothing.
  start();
  frames.Click(SDL_BUTTON_LEFT);
  EXPECT_FALSE(frameAt(c.start + 1));
}

TEST_F(CreditsTest, TheCinemaRunsBehindTheLines) {
  engine.dir.Write("langs/eng/credits.txt", "one\n");
  std::filesystem::create_directories(engine.dir.Path() / "cinemas");
  ASSERT_TRUE(testsupport::MakeVideo((engine.dir.Path() / CREDITS_CINEMA).string(),
                                     "-f lavfi -i color=c=0x806040:s=32x24:r=10 -frames:v 3 "
                                     "-c:v libx264 -pix_fmt yuv420p"));
  ASSERT_TRUE(c.Start(*engine, st));
  frameAt(c.start + 1);
  // The cinema fills the screen: a corner far from the text shows its colour.
  video::Color corner = frames.Pixel(-150, -110);
  EXPECT_NEAR(corner.R, 0x80, 4);
  EXPECT_NEAR(corner.G, 0x60, 4);
  EXPECT_NEAR(corner.B, 0x40, 4);
}

}  // namespace
