// Loading pictures and numbered sequences; pictures are written by the test with SDL.
#include "core/video/animage_load.h"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/video/picture_header.h"
#include "core/video/video.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

// Writes a w × h PNG of one colour; with `alpha` false the file has no alpha channel.
void writePng(const std::string& path, int w, int h, video::Color c, bool alpha = true) {
  fs::create_directories(fs::path(path).parent_path().empty() ? "." : fs::path(path).parent_path());
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(
      0, w, h, alpha ? 32 : 24, alpha ? SDL_PIXELFORMAT_RGBA32 : SDL_PIXELFORMAT_RGB24);
  ASSERT_NE(s, nullptr) << SDL_GetError();
  SDL_FillRect(s, nullptr, SDL_MapRGBA(s->format, c.R, c.G, c.B, c.A));
  ASSERT_EQ(IMG_SavePNG(s, path.c_str()), 0) << IMG_GetError();
  SDL_FreeSurface(s);
}

class Load : public testing::Test {
 protected:
  void SetUp() override { IMG_Init(IMG_INIT_PNG | IMG_INIT_JPG); }

  std::string error(const std::string& path) {
    auto res = ctx.LoadAnimage(path);
    EXPECT_FALSE(res) << path << " loaded";
    return res ? "" : res.error().Message;
  }

  testsupport::TempDir dir;
  video::Context ctx;  // no window needed to load
};

TEST_F(Load, PictureGivesOneFrameInTheScreenByteOrder) {
  writePng("a/b.png", 3, 2, {10, 20, 30, 40});
  auto res = ctx.LoadAnimage("a/b.png");
  ASSERT_TRUE(res) << res.error().Message;
  const video::Animage& a = **res;
  ASSERT_EQ(a.frames.size(), 1u);
  EXPECT_EQ(a.W0(), 3);
  EXPECT_EQ(a.H0(), 2);
  EXPECT_EQ(a.rate, 0);
  const std::uint8_t* p = a.frames[0].pixels.data();
  EXPECT_EQ((std::vector<int>{p[0], p[1], p[2], p[3]}), (std::vector<int>{30, 20, 10, 40}));
  EXPECT_EQ(a.GetPixel0(2, 1), (video::Color{10, 20, 30, 40}));
  ASSERT_EQ(ctx.animages.size(), 1u);
  EXPECT_EQ(ctx.animages[0].get(), res->get());

  writePng("opaque.png", 2, 2, {1, 2, 3, 0}, false);
  auto opaque = ctx.LoadAnimage("opaque.png");
  ASSERT_TRUE(opaque) << opaque.error().Message;
  EXPECT_EQ((*opaque)->GetPixel0(1, 1), (video::Color{1, 2, 3, 255}));
  EXPECT_EQ(ctx.animages.size(), 2u);
}

TEST_F(Load, SequencesRunFromFrameOneToTheFirstGap) {
  struct Case {
    std::string path;
    std::vector<int> present;  // frame numbers written
    std::size_t frames;        // frames loaded
  };
  const Case cases[] = {
      {"s1/b.png", {1, 2, 3}, 3},
      {"s2/b.png", {1, 2, 4}, 2},     // the gap at 3 ends it
      {"s3/b.png", {2, 3}, 0},        // no 0001: an empty animage, no error
      {"first.set/pic.png", {1}, 1},  // the last dot of the whole path counts
  };
  for (const auto& c : cases) {
    const std::string dirpath = c.path.substr(0, c.path.rfind('.'));
    fs::create_directories(dirpath);
    for (int i : c.present) {
      char name[32];
      std::snprintf(name, sizeof name, "/%04d.png", i);
      writePng(dirpath + name, 2, 1, {static_cast<std::uint8_t>(i * 10), 0, 0, 255});
    }
    auto res = ctx.LoadAnimage(c.path);
    ASSERT_TRUE(res) << c.path << ": " << res.error().Message;
    ASSERT_EQ((*res)->frames.size(), c.frames) << c.path;
    for (std::size_t f = 0; f < c.frames; ++f)
      EXPECT_EQ((*res)->GetPixel(static_cast<int>(f), 0, 0).R, (f + 1) * 10) << "numeric order";
  }
  EXPECT_EQ(ctx.animages.size(), 4u);
}

TEST_F(Load, MissingOrUnsuitableSequencesFailWithTheirMessages) {
  dir.Write("a/b", "a regular file where the sequence directory should be");
  dir.Write("plain", "not a picture");
  fs::create_directories("odd");
  writePng("odd/0001.png", 4, 4, {1, 1, 1, 255});
  writePng("odd/0002.png", 4, 4, {2, 2, 2, 255});
  writePng("odd/0003.png", 5, 4, {3, 3, 3, 255});

  EXPECT_EQ(error("a/b.png"), "Dir 'a/b' not found!");
  EXPECT_EQ(error("nowhere/x.png"), "Cannot open dir 'nowhere/x'!");
  EXPECT_EQ(error("first.set/pic.png"), "Cannot open dir 'first.set/pic'!");
  EXPECT_EQ(error("odd.png"),
            "Frame 'odd/0003.png' is 5 x 4 pixels, unlike the 4 x 4 of the frames before it");
  const std::string noDot = error("plain");
  EXPECT_EQ(
      noDot.rfind("Cannot load picture 'plain' (and a path without '.' names no sequence): ", 0),
      0u)
      << noDot;
  EXPECT_TRUE(ctx.animages.empty()) << "a failed load registers nothing";
}

// Headers declaring 20000 × 20000 pixels, with nothing to decode behind them.
std::string be32(std::uint32_t v) { return {char(v >> 24), char(v >> 16), char(v >> 8), char(v)}; }
std::string le32(std::uint32_t v) { return {char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; }
std::string le16(std::uint32_t v) { return {char(v), char(v >> 8)}; }

std::vector<std::pair<std::string, std::string>> hugeHeaders() {
  using namespace std::string_literals;
  const std::uint32_t n = 20000;
  return {
      {"png",
       "\x89PNG\r\n\x1a\n"s + be32(13) + "IHDR" + be32(n) + be32(n) + "\x08\x06\0\0\0"s + be32(0)},
      {"jpg", "\xFF\xD8\xFF\xE0\0\x10JFIF\0\x01\x01\0\0\x01\0\x01\0\0"s + "\xFF\xC0\0\x11\x08"s +
                  be32(n << 16 | n) + "\x03\x01\x22\0\x02\x11\x01\x03\x11\x01"s},
      {"gif", "GIF89a"s + le16(n) + le16(n) + "\0\0\0"s},
      {"bmp", "BM"s + le32(0) + le32(0) + le32(54) + le32(40) + le32(n) + le32(-n) +
                  std::string(28, '\0')},
      {"webp", "RIFF"s + le32(30) + "WEBPVP8X"s + le32(10) + le32(0) + le32(n - 1).substr(0, 3) +
                   le32(n - 1).substr(0, 3) + "\0\0"s},
      {"tif", "II*\0"s + le32(8) + le16(2) + le16(256) + le16(4) + le32(1) + le32(n) + le16(257) +
                  le16(3) + le32(1) + le16(n) + le16(0) + le32(0)},
      {"qoi", "qoif"s + be32(n) + be32(n) + "\x04\0"s},
  };
}

TEST_F(Load, HugePicturesAreRefusedBeforeDecoding) {
  for (const auto& [ext, bytes] : hugeHeaders()) {
    const std::string path = "huge." + ext;
    dir.Write(path, bytes);
    auto size = video::readPictureSize(path);
    ASSERT_TRUE(size) << ext;
    EXPECT_EQ(size->width, 20000) << ext;
    EXPECT_EQ(size->height, 20000) << ext;
    EXPECT_EQ(error(path), "Picture '" + path +
                               "' is 20000 x 20000 pixels, too large to load (at most 16384 "
                               "pixels a side)");
  }
  // Inside a sequence the frame is named.
  fs::create_directories("seq");
  writePng("seq/0001.png", 2, 2, {0, 0, 0, 255});
  dir.Write("seq/0002.png", hugeHeaders()[0].second);
  EXPECT_EQ(error("seq.png"),
            "Picture 'seq/0002.png' is 20000 x 20000 pixels, too large to load (at most 16384 "
            "pixels a side)");
}

TEST_F(Load, HeaderSizesOfWrittenPictures) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 37, 21, 24, SDL_PIXELFORMAT_RGB24);
  ASSERT_NE(s, nullptr);
  SDL_FillRect(s, nullptr, 0);
  ASSERT_EQ(IMG_SavePNG(s, "w.png"), 0);
  ASSERT_EQ(IMG_SaveJPG(s, "w.jpg", 90), 0) << IMG_GetError();
  ASSERT_EQ(SDL_SaveBMP(s, "w.bmp"), 0);
  SDL_FreeSurface(s);
  for (const char* path : {"w.png", "w.jpg", "w.bmp"}) {
    auto size = video::readPictureSize(path);
    ASSERT_TRUE(size) << path;
    EXPECT_EQ(size->width, 37) << path;
    EXPECT_EQ(size->height, 21) << path;
    auto frame = video::loadFrame(path);
    ASSERT_TRUE(frame) << path << ": " << frame.error().Message;
    EXPECT_EQ(frame->width, 37);
  }
  dir.Write("short.png", "\x89PNG");
  EXPECT_FALSE(video::readPictureSize("short.png"));
  EXPECT_FALSE(video::readPictureSize("missing.png"));
}

// The registry in a running video context: advanced by Sync, emptied by Clean.
TEST(LoadRegistry, SyncAdvancesAndCleanReleases) {
  testsupport::TempDir dir;
  ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
  config::Config cfg;
  cfg.Framerate = 50;  // one frame every 20 ms
  cfg.XRes = 32;
  cfg.YRes = 24;
  cfg.NumCPU = 2;
  auto res = video::Init(cfg);
  ASSERT_TRUE(res) << res.error().Message;
  video::Context& ctx = **res;
  EXPECT_EQ(ctx.bands->Workers(), 1);

  fs::create_directories("anim");
  for (int i = 1; i <= 3; ++i)
    writePng("anim/000" + std::to_string(i) + ".png", 2, 2, {0, 0, 0, 255});
  auto anim = ctx.LoadAnimage("anim.png");
  ASSERT_TRUE(anim) << anim.error().Message;
  (*anim)->Run(1, 0, -1);  // a step every 500 ms

  ctx.Sync(10);  // not due: nothing advances
  EXPECT_EQ((*anim)->curr, 0);
  ctx.Sync(750);
  EXPECT_EQ((*anim)->curr, 1);
  EXPECT_DOUBLE_EQ((*anim)->fract, 0.5);

  ctx.Clean();
  EXPECT_TRUE(ctx.animages.empty());
  EXPECT_EQ((*anim)->W0(), 0) << "the holder keeps an animage without frames";
  ctx.DrawAnimage(anim->get(), 0, 0, true, true);  // draws nothing, does not fail

  ctx.Drop();
  EXPECT_EQ(ctx.bands, nullptr) << "workers joined";
  SDL_Quit();
}

}  // namespace
