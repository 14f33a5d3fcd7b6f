#include "play/font.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "support/engine.h"

namespace {

using testsupport::Engine;

TEST(Fonts, SevenSlotsInOrder) {
  Engine engine;  // every slot names the same file, at sizes 10 … 16
  ASSERT_TRUE(play::LoadFonts(*engine));
  ASSERT_EQ(engine->video->fonts.size(), 7u);
  int previous = 0;
  for (video::Font f = play::SYSTEM; f <= play::PHRASE; ++f) {
    EXPECT_GT(engine->FontHeight(f), previous) << "slot " << f << " holds a larger size";
    previous = engine->FontHeight(f);
  }
  EXPECT_NE(engine->video->fonts[0], engine->video->fonts[1]) << "opened once per slot";
  EXPECT_EQ(engine->FontHeight(-1), 0);
  EXPECT_EQ(engine->FontHeight(7), 0);
}

TEST(Fonts, Failures) {
  const std::string all =
      R"("SystemFile":"sans.ttf","SystemSize":10,"IntroFile":"sans.ttf","IntroSize":10,)"
      R"("MetaFile":"sans.ttf","MetaSize":10,"CreditsFile":"sans.ttf","CreditsSize":10,)"
      R"("HoverFile":"sans.ttf","HoverSize":10,"PhraseFile":"sans.ttf","PhraseSize":10)";
  struct Case {
    const char* name;
    const char* json;  // null: no fonts.json
    std::string error;
    std::size_t loaded;
  };
  const Case cases[] = {
      {"no file", nullptr,
       std::string("Cannot decode 'fonts/fonts.json': Cannot read json: ") + std::strerror(ENOENT),
       0},
      {"fourth font missing", R"({"HelpFile":"gone.ttf","HelpSize":10,)", "Couldn't open fonts/gone.ttf",
       3},
      {"size zero", R"({"HelpFile":"sans.ttf",)",
       "Invalid size 0 for font 'sans.ttf' in 'fonts/fonts.json'", 3},
      {"negative size", R"({"HelpFile":"sans.ttf","HelpSize":-4,)",
       "Invalid size -4 for font 'sans.ttf' in 'fonts/fonts.json'", 3},
  };
  for (const auto& c : cases) {
    Engine engine;
    std::filesystem::remove("fonts/fonts.json");
    if (c.json) engine.dir.Write("fonts/fonts.json", c.json + all + "}");
    auto result = play::LoadFonts(*engine);
    ASSERT_FALSE(result) << c.name;
    EXPECT_EQ(result.error().Message, c.error) << c.name;
    EXPECT_EQ(engine->video->fonts.size(), c.loaded) << c.name;
  }
}

}  // namespace
