// The intro driven frame by frame with a hand-set clock and injected keys.
#include "play/intro/intro.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/input_keys.h"
#include "play/font.h"
#include "play/play.h"
#include "support/engine.h"
#include "support/frames.h"
#include "support/verse_fixture.h"

namespace {

using namespace intro;
using testsupport::Engine;
using testsupport::Frames;

// Tall enough for the lines above and below a 256-pixel logo.
const char* CONFIG = R"({"XRes":400,"YRes":400,"Framerate":1000,"Mute":true,"Lang":"eng"})";

// An opaque logo of one colour, so its blend over black can be worked out by hand.
constexpr std::uint32_t LOGO_RGB = 0xc86432;  // (200, 100, 50)

class IntroTest : public testing::Test {
 protected:
  IntroTest() : engine(CONFIG), frames(*engine) {
    engine.dir.Write("langs/eng/intro.json", R"({"quote":"Hello world"})");
    testsupport::WritePng(engine.dir.Path() / INTRO_LOGO_ENSHAPER, 16, 16,
                          std::vector<std::uint32_t>(256, LOGO_RGB));
    testsupport::WritePng(engine.dir.Path() / INTRO_LOGO_TOVAMERE_MIN, 8, 8,
                          std::vector<std::uint32_t>(64, 0x00ff00));
    st.Control = &control;
    EXPECT_TRUE(play::LoadFonts(*engine));
  }

  // Starts the intro; t0 is the engine time of its first stage.
  void start() {
    auto res = in.Start(*engine, st);
    ASSERT_TRUE(res) << res.error().Message;
    t0 = engine->GetTime();
    ASSERT_EQ(in.start, t0);
  }
  // One frame at t0 + ms.
  bool frameAt(std::int64_t ms) {
    frames.SyncAt(t0 + ms);
    return in.Frame(*engine, st);
  }
  // The brightest value of one channel (0 red, 1 green, 2 blue) in rows y0 ≤ y < y1.
  int brightest(int channel, int y0, int y1) const {
    int best = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = -200; x < 200; ++x) {
        video::Color c = frames.Pixel(x, y);
        best = std::max<int>(best, channel == 0 ? c.R : channel == 1 ? c.G : c.B);
      }
    return best;
  }

  Engine engine;
  Frames frames;
  play::Control control;
  play::States st;
  Intro in;
  std::int64_t t0 = 0;
};

TEST_F(IntroTest, StagesFollowEachOtherAfterTheirDurations) {
  start();
  EXPECT_EQ(control.NextPlay, play::PLAY_META);
  EXPECT_EQ(in.enshaperStr, "Orlevanth 1.0 · 2026 · Tovamere");
  EXPECT_EQ(in.strHeight, engine->FontHeight(1));

  struct Step {
    std::int64_t at;  // ms after t0
    Stage stage;      // after the frame
  };
  // Each stage ends in the first frame past its duration and the next one starts at that
  // frame's time; a late frame (a very low frame rate) loses its overshoot.
  const Step steps[] = {
      {1, STAGE_LOGO_ENSHAPER_FADEIN},    {1800, STAGE_LOGO_ENSHAPER_FADEIN},
      {1801, STAGE_LOGO_ENSHAPER_ABOVE},  {2801, STAGE_LOGO_ENSHAPER_ABOVE},
      {3300, STAGE_LOGO_TOVAMERE_FADEIN},  // 499 ms late
      {4300, STAGE_LOGO_TOVAMERE_FADEIN}, {4301, STAGE_LOGO_ENSHAPER_HOLD},
      {6001, STAGE_LOGO_ENSHAPER_HOLD},   {6002, STAGE_LOGO_ENSHAPER_FADEOUT},
      {9003, STAGE_QUOTE_FADEIN},         {10004, STAGE_QUOTE_HOLD},
      {11504, STAGE_QUOTE_HOLD},          {11505, STAGE_QUOTE_FADEOUT},
      {12505, STAGE_QUOTE_FADEOUT},
  };
  for (const Step& s : steps) {
    EXPECT_FALSE(frameAt(s.at)) << s.at;
    EXPECT_EQ(StageName(in.stage), StageName(s.stage)) << "at " << s.at;
  }
  EXPECT_TRUE(frameAt(12506)) << "the quotation has faded out";
  EXPECT_FALSE(frames.AnyLit()) << "the last frame is left clear";
  EXPECT_EQ(control.NextPlay, play::PLAY_META);
  EXPECT_FALSE(control.Terminate);
}

TEST_F(IntroTest, LogosAnimateOnceFromTheirStages) {
  start();
  EXPECT_EQ(in.logoEnshaper->start, t0);
  EXPECT_DOUBLE_EQ(in.logoEnshaper->rate, 1.0 / 3);
  EXPECT_EQ(in.logoEnshaper->repeats, 0);
  frameAt(1801);
  EXPECT_EQ(in.logoTovamereMin->rate, 0) << "still before its stage";
  frameAt(2802);
  EXPECT_EQ(in.logoTovamereMin->start, t0 + 2802);
  EXPECT_DOUBLE_EQ(in.logoTovamereMin->rate, 0.5);
  EXPECT_EQ(in.logoTovamereMin->repeats, 0);
}

TEST_F(IntroTest, FadesFollowTheClock) {
  start();
  // The opaque logo over black keeps 255/256 of its colour.
  const video::Color logo = {199, 99, 49, 0};

  // Fade-in at t = 0.5: a black veil of alpha 255 − 127 = 128 halves the logo.
  frameAt(900);
  EXPECT_EQ(frames.Pixel(0, 0), (video::Color{99, 49, 24, 0}));
  // In the frame in which the fade-in ends the logo stands unshaded.
  frameAt(1801);
  EXPECT_EQ(frames.Pixel(0, 0), logo);

  // "Enshaped with" above the logo at t = 0.5: colour (112, 112, 32), whose fully covered
  // glyph pixels come out at 255/256 of it; nothing of it below the line's top.
  frameAt(1801 + 500);
  const int above = -(in.strHeight + LOGO_SIZE / 2 + MARGINS);
  EXPECT_EQ(brightest(0, above, -LOGO_SIZE / 2 - MARGINS), 111);
  EXPECT_EQ(brightest(2, above, -LOGO_SIZE / 2 - MARGINS), 31);
  EXPECT_EQ(brightest(0, -200, above), 0);

  // In the hold stage: the maker's logo 88 pixels below the centre, the line under the
  // logo in blue.
  frameAt(2802);
  frameAt(2802 + 1001);
  frameAt(3803 + 100);
  EXPECT_EQ(frames.Pixel(0, LOGO_SHIFT), (video::Color{0, 254, 0, 0}));
  EXPECT_EQ(brightest(2, LOGO_SIZE / 2 + MARGINS, LOGO_SIZE / 2 + MARGINS + in.strHeight), 223);

  // Fade-out at t = 0.5: a veil of alpha 127.
  frameAt(3803 + 1701);
  frameAt(5504 + 1500);
  EXPECT_EQ(frames.Pixel(0, 0), (video::Color{100, 49, 24, 0}));
  // Its last frame is black.
  frameAt(5504 + 3001);
  EXPECT_FALSE(frames.AnyLit());

  // The quotation at half brightness, at full brightness, and gone.
  frameAt(8505 + 500);
  EXPECT_EQ(brightest(0, -200, 200), (120 * 255) >> 8);
  frameAt(8505 + 1001 + 100);
  EXPECT_EQ(brightest(0, -200, 200), (240 * 255) >> 8);
  EXPECT_EQ(in.stage, STAGE_QUOTE_HOLD);
}

TEST_F(IntroTest, KeysSkipItAndF10EndsTheProgram) {
  struct Case {
    const char* what;
    std::int64_t at;     // ms after t0 of the frame that receives the input
    int press = -1;      // a key pressed before that frame
    int hold = -1;       // a key held from that frame on
    bool click = false;  // a mouse button pressed
    bool done;           // the intro ends in that frame
    bool terminate = false;
  };
  const Case cases[] = {
      {"a key held at start skips in the first frame", 1, -1, input::KEY_SPACE, false, true},
      {"F10 pressed and held ends the program", 1, input::KEY_F10, input::KEY_F10, false, true,
       true},
      {"F10 wins over another held key", 7000, input::KEY_F10, input::KEY_A, false, true, true},
      {"a press already released does not skip", 3000, input::KEY_A, -1, false, false},
      {"mouse buttons neither skip nor end it", 3000, -1, -1, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    control = {};
    in = {};
    start();
    // Earlier frames with nothing pressed run the stages up to the chosen one.
    for (std::int64_t t = 100; t < c.at; t += 100) ASSERT_FALSE(frameAt(t)) << t;
    if (c.press >= 0) frames.Press(c.press);
    if (c.hold >= 0) frames.Hold(c.hold);
    if (c.click) frames.Click(SDL_BUTTON_LEFT);
    EXPECT_EQ(frameAt(c.at), c.done);
    EXPECT_EQ(control.Terminate, c.terminate);
    EXPECT_EQ(control.NextPlay, play::PLAY_META);
    if (c.hold >= 0) frames.Hold(c.hold, false);
  }
}

TEST_F(IntroTest, StartFailuresAndAMissingSound) {
  // No intro sound in the fixture: the intro still starts.
  start();

  std::filesystem::remove(engine.dir.Path() / INTRO_LOGO_TOVAMERE_MIN);
  Intro again;
  auto res = again.Start(*engine, st);
  ASSERT_FALSE(res);
  EXPECT_EQ(res.error().Message, "Cannot open dir 'animages/intro/tovameremin'!");

  std::filesystem::remove(engine.dir.Path() / "langs/eng/intro.json");
  res = again.Start(*engine, st);
  ASSERT_FALSE(res);
  EXPECT_EQ(res.error().Message,
            std::string("Cannot load locales from 'langs/eng/intro.json': Cannot read json: ") +
                std::strerror(ENOENT));
}

TEST_F(IntroTest, AMissingQuotationLeavesItsStagesBlankButTimed) {
  engine.dir.Write("langs/eng/intro.json", "{}");
  start();
  for (std::int64_t t : {1801, 2802, 3803, 5504, 8505, 9506}) frameAt(t);
  ASSERT_EQ(in.stage, STAGE_QUOTE_HOLD);
  EXPECT_FALSE(frames.AnyLit());
  EXPECT_FALSE(frameAt(11007));
  EXPECT_TRUE(frameAt(12008));
}

}  // namespace
