#include "core/video/text.h"

#include <gtest/gtest.h>

#include <cstring>

#include "play/font.h"
#include "support/engine.h"

namespace {

using testsupport::Engine;

constexpr const char* SCREEN_800x600 =
    R"({"XRes":800,"YRes":600,"Framerate":60,"Mute":true,"Lang":"eng"})";

class Text : public testing::Test {
 protected:
  Text() : engine(SCREEN_800x600) {
    EXPECT_TRUE(play::LoadFonts(*engine));  // seven slots of DejaVu Sans, 10 … 16 points
  }
  std::vector<std::uint8_t>& px() { return engine->video->pixels; }
  void fill(std::uint8_t v) { std::memset(px().data(), v, px().size()); }
  std::uint8_t at(int x, int y, int byte) const {
    return engine.context->video->pixels[(static_cast<std::size_t>(y) * 800 + x) * 4 + byte];
  }
  Engine engine;
};

TEST_F(Text, TextImageCarriesTheColourAndTheCoverage) {
  video::TextImage t = engine->MakeStrImage(play::PHRASE, "Keys", false, 0, 10, 20, 30);
  ASSERT_TRUE(t.image);
  ASSERT_EQ(t.image->frames.size(), 1u);
  EXPECT_EQ(t.image->W0(), t.w);
  EXPECT_EQ(t.image->H0(), t.h);
  EXPECT_EQ(t.h, engine->FontHeight(play::PHRASE));
  int covered = 0;
  for (int y = 0; y < t.h; ++y)
    for (int x = 0; x < t.w; ++x) {
      video::Color c = t.image->GetPixel0(x, y);
      if (c.A == 0) continue;
      ++covered;
      EXPECT_EQ(c, (video::Color{10, 20, 30, c.A})) << x << "," << y;
    }
  EXPECT_GT(covered, 20);
  engine->Clean();
  EXPECT_EQ(t.image->W0(), t.w) << "a text image is its maker's, not the screen's";
}

TEST_F(Text, NothingToDraw) {
  fill(77);
  struct Case {
    const char* name;
    video::Font font;
    const char* str;
    bool locked;
  };
  const Case cases[] = {
      {"empty text", play::HOVER, "", false},
      {"font past the last slot", 7, "text", false},
      {"negative font", -1, "text", false},
      {"draw lock", play::HOVER, "text", true},
  };
  for (const auto& c : cases) {
    engine->video->drawlock = c.locked;
    EXPECT_EQ(engine->DrawStr(c.font, c.str, 0, 0, false, 255, 255, 255, 200),
              (std::pair<int, int>{0, 0}))
        << c.name;
    EXPECT_EQ(engine->DrawStrWrapped(c.font, c.str, 100, 0, 0, false, 255, 255, 255, 200),
              (std::pair<int, int>{0, 0}))
        << c.name;
    if (!c.locked) {
      EXPECT_FALSE(engine->MakeStrImage(c.font, c.str, false, 0, 1, 2, 3).image) << c.name;
    }
  }
  engine->video->drawlock = true;
  auto t = engine->MakeStrImage(play::HOVER, "text", false, 0, 1, 2, 3);
  engine->DrawStrImage(t.image.get(), 0, 0, 255);
  engine->video->drawlock = false;
  engine->DrawStrImage(nullptr, 0, 0, 255);
  for (std::uint8_t b : px()) ASSERT_EQ(b, 77);
}

// Every pixel of the box: the background darkened by the shade, then the glyph blended in
// by its coverage: box = bg × (256 − shade) >> 8; out = (colour × a + box × (256 − a)) >> 8.
TEST_F(Text, BoxAndGlyphsFollowTheBlendingRule) {
  for (std::uint8_t shade : {0, 128, 255}) {
    fill(200);
    const std::uint8_t r = 250, g = 120, b = 10;
    auto [w, h] = engine->DrawStr(play::HOVER, "Ag", -100, -50, false, r, g, b, shade);
    video::TextImage t = engine->MakeStrImage(play::HOVER, "Ag", false, 0, r, g, b);
    ASSERT_EQ(w, t.w);
    ASSERT_EQ(h, t.h);
    const int x0 = 400 - 100, y0 = 300 - 50;
    const unsigned box = 200u * (256 - shade) >> 8;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const unsigned a = t.image->GetPixel0(x, y).A;
        ASSERT_EQ(at(x0 + x, y0 + y, 0), (b * a + box * (256 - a)) >> 8) << x << "," << y;
        ASSERT_EQ(at(x0 + x, y0 + y, 2), (r * a + box * (256 - a)) >> 8) << x << "," << y;
        ASSERT_EQ(at(x0 + x, y0 + y, 3), 200) << "the alpha byte is never written";
      }
    EXPECT_EQ(at(x0 - 1, y0, 0), 200) << "no margin around the box";
    EXPECT_EQ(at(x0 + w, y0 + h - 1, 0), 200);
  }
}

TEST_F(Text, FitKeepsTheBoxOnTheScreen) {
  fill(200);
  auto [w, h] = engine->DrawStr(play::HOVER, "corner", 399, 299, true, 255, 255, 255, 255);
  ASSERT_GT(w, 0);
  // The box lies at the bottom-right corner: its first pixel is darkened, the one before
  // it is not.
  EXPECT_LT(at(800 - w, 600 - h, 0), 200);
  EXPECT_EQ(at(800 - w - 1, 600 - h - 1, 0), 200);

  // A text wider than the screen starts at its left edge.
  std::string wide(200, 'W');
  fill(200);
  auto [ww, wh] = engine->DrawStr(play::HOVER, wide, 100, 0, true, 255, 255, 255, 255);
  EXPECT_GT(ww, 800);
  EXPECT_LT(at(0, 300, 0), 200);
}

TEST_F(Text, WrappedTextStaysWithinItsWidth) {
  const std::string text = "The keeper's lantern lights the way to the tower at dusk";
  auto [w1, h1] = engine->DrawStr(play::HELP, text, -400, -300, false, 255, 255, 255, 0);
  auto [w, h] = engine->DrawStrWrapped(play::HELP, text, 150, -400, -300, false, 255, 255, 255, 0);
  EXPECT_GT(w1, 150);
  EXPECT_LE(w, 150);
  EXPECT_GE(h, 3 * engine->FontHeight(play::HELP)) << "several lines, one block";
  EXPECT_EQ(h1, engine->FontHeight(play::HELP));
}

}  // namespace
