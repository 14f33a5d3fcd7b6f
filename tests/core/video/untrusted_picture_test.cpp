// Picture files come with verses that players share: damaged or hostile files must fail
// cleanly and quickly.
#include "core/video/animage_load.h"
#include "core/video/picture_header.h"
#include "core/video/png_check.h"

#include <gtest/gtest.h>

#include "support/engine.h"
#include "support/verse_fixture.h"

namespace {

// A PNG cut anywhere before its end used to hang the decoder for ever; now every cut is
// refused before decoding, and loading falls back to a sequence as for any bad picture.
TEST(UntrustedPicture, CutShortPngIsRefused) {
  testsupport::Engine engine;
  testsupport::WritePng(engine.dir.Path() / "whole.png", 16, 9);
  const std::string whole = engine.dir.Read("whole.png");
  ASSERT_TRUE(video::checkPngChunks("whole.png"));
  ASSERT_TRUE(engine->LoadAnimage("whole.png"));

  for (std::size_t cut : {9ul, 20ul, 33ul, 40ul, whole.size() / 2, whole.size() - 12,
                          whole.size() - 1}) {
    engine.dir.Write("cut.png", whole.substr(0, cut));
    auto check = video::checkPngChunks("cut.png");
    ASSERT_FALSE(check) << cut;
    EXPECT_EQ(check.error().Message, "Picture 'cut.png' is damaged: its PNG chunks end before IEND");
    auto animg = engine->LoadAnimage("cut.png");
    ASSERT_FALSE(animg) << cut;
    EXPECT_EQ(animg.error().Message, "Cannot open dir 'cut'!");
  }

  engine.dir.Write("other.png", "GIF89a, not a PNG at all");
  EXPECT_TRUE(video::checkPngChunks("other.png")) << "other kinds are left to their decoders";
  EXPECT_TRUE(video::checkPngChunks("missing.png"));
}

// Only the raster kinds whose size is checked before decoding reach a decoder, each its
// own: a vector picture would be rendered at whatever size it declares.
TEST(UntrustedPicture, OnlyCheckedKindsAreDecoded) {
  testsupport::Engine engine;
  testsupport::WritePng(engine.dir.Path() / "real.png", 4, 4);
  const std::string png = engine.dir.Read("real.png");
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"svg", R"(<svg xmlns="http://www.w3.org/2000/svg" width="60000" height="60000"></svg>)"},
      {"svg before png bytes", "<svg" + png},
      {"text", "just some words"},
      {"empty", ""},
  };
  for (const auto& c : cases) {
    engine.dir.Write("pic.png", c.bytes);
    EXPECT_EQ(video::readPictureKind("pic.png"), video::PictureKind::OTHER) << c.name;
    auto animg = engine->LoadAnimage("pic.png");
    ASSERT_FALSE(animg) << c.name;
    EXPECT_EQ(animg.error().Message, "Cannot open dir 'pic'!") << c.name;
    auto frame = video::loadFrame("pic.png");
    ASSERT_FALSE(frame) << c.name;
    EXPECT_EQ(frame.error().Message,
              "Picture 'pic.png' is not a PNG, JPEG, WEBP, TIFF, GIF, BMP or QOI file")
        << c.name;
  }
  EXPECT_EQ(video::readPictureKind("real.png"), video::PictureKind::PNG);
  EXPECT_EQ(video::readPictureKind("missing.png"), video::PictureKind::UNREADABLE);
}

}  // namespace
