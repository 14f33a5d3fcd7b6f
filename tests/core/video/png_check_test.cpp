#include "core/video/png_check.h"

#include <gtest/gtest.h>

#include "support/engine.h"
#include "support/verse_fixture.h"

namespace {

// A PNG cut anywhere before its end used to hang the decoder for ever; now every cut is
// refused before decoding, and loading falls back to a sequence as for any bad picture.
TEST(PngCheck, CutShortFilesAreRefused) {
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

}  // namespace
