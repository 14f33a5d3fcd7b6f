// The cinema pair: loading in the background, flipping, cleaning, and drawing the cinemas
// and the transitions between them. The suites that start loaders end in "Threads" and also
// run under ThreadSanitizer.
#include "core/video/animage_pair.h"

#include <SDL.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <memory>
#include <thread>

#include "core/video/video.h"
#include "frames.h"
#include "support/temp_dir.h"
#include "support/video_files.h"

namespace {

using video::CinemaDraw;

// ---- Geometry -------------------------------------------------------------------------------

TEST(CinemaGeometry, FittedIsTheLargestCentredSizeOfTheSameShape) {
  struct Case {
    int w0, h0, screenW, screenH;
    CinemaDraw want;
  } cases[] = {
      {640, 480, 1280, 960, {-640, -480, 1280, 960, 256}},
      {1280, 720, 1920, 1080, {-960, -540, 1920, 1080, 256}},
      {800, 450, 1024, 768, {-512, -288, 1024, 576, 256}},  // scale 1.28
      {100, 100, 64, 48, {-24, -24, 48, 48, 256}},
      {3, 3, 64, 48, {-24, -24, 48, 48, 256}},  // scale 16
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.w0 << "x" << c.h0 << " on " << c.screenW << "x" << c.screenH);
    EXPECT_EQ(video::cinemaFitted(c.w0, c.h0, c.screenW, c.screenH, 256), c.want);
  }
}

// A 640 × 480 current cinema on a 1280 × 960 screen (scale 2), a 320 × 240 next one growing
// out of the rectangle centred at (480, 240), 160 wide: the next cinema starts at scale 1
// and ends at 4, the current one ends at 8.
TEST(CinemaGeometry, ZoomIntoTheRectangle) {
  struct Case {
    double lambda;
    CinemaDraw cineThis, cineThat;
  } cases[] = {
      // The current cinema fitted and opaque; the next one invisible, 320 × 240 centred on
      // the rectangle at (320, 0).
      {0, {-640, -480, 1280, 960, 256}, {160, -120, 320, 240, 0}},
      // The current cinema magnified 8 times, centred at (-1280, 0), invisible; the next
      // one fitted and opaque.
      {1, {-3840, -1920, 5120, 3840, 0}, {-640, -480, 1280, 960, 256}},
      // Halfway: scales 5 and 2.5, centres (-640, 0) and (160, 0).
      {0.5, {-2240, -1200, 3200, 2400, 128}, {-240, -300, 800, 600, 128}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lambda);
    const auto d = video::cinemaZoom(c.lambda, 640, 480, 320, 240, 1280, 960, {480, 240}, 160);
    EXPECT_EQ(d[0], c.cineThis);
    EXPECT_EQ(d[1], c.cineThat);
  }
}

// A rectangle of width 0 would divide by zero; it is taken as one pixel wide.
TEST(CinemaGeometry, ZoomIntoAnEmptyRectangleStaysFinite) {
  const auto zero = video::cinemaZoom(0.5, 640, 480, 320, 240, 1280, 960, {480, 240}, 0);
  const auto one = video::cinemaZoom(0.5, 640, 480, 320, 240, 1280, 960, {480, 240}, 1);
  EXPECT_EQ(zero, one);
  EXPECT_GT(zero[0].w, 0);
}

// ---- The pair with its loader ---------------------------------------------------------------

// A 64 × 48 video context on SDL's dummy driver, drawing in two bands.
std::unique_ptr<video::Context> openVideo() {
  config::Config cfg;
  cfg.XRes = 64;
  cfg.YRes = 48;
  cfg.Framerate = 1000;
  cfg.NumCPU = 2;
  auto res = video::Init(cfg);
  if (!res) {
    ADD_FAILURE() << res.error().Message;
    return nullptr;
  }
  return std::move(*res);
}

// A named pipe fed from a thread: a load from it lasts as long as the test wants.
class PipeFeeder {
 public:
  // Feeds `bytes` once and closes the pipe, or with `endless` again and again until the
  // reader goes away.
  PipeFeeder(std::string path, std::string bytes, bool endless)
      : path_(std::move(path)), bytes_(std::move(bytes)), endless_(endless) {
    EXPECT_EQ(mkfifo(path_.c_str(), 0600), 0);
  }
  void Start() {
    thread_ = std::thread([this] {
      const int fd = open(path_.c_str(), O_WRONLY);  // waits for the reader
      if (fd < 0) return;
      do {
        for (std::size_t at = 0; at < bytes_.size();) {
          const ssize_t n = write(fd, bytes_.data() + at, bytes_.size() - at);
          if (n <= 0) {
            close(fd);
            return;  // the reader has gone
          }
          at += static_cast<std::size_t>(n);
        }
      } while (endless_);
      close(fd);
    });
  }
  ~PipeFeeder() {
    if (thread_.joinable()) thread_.join();
  }

 private:
  std::string path_, bytes_;
  bool endless_;
  std::thread thread_;
};

class CinemaPairThreads : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir = std::make_unique<testsupport::TempDir>(false);
    ASSERT_TRUE(testsupport::MakeNumberedClip(path("numbered.mp4"), 32, 24, 25, 50));
    ASSERT_TRUE(testsupport::MakeNumberedClip(path("numbered.h264"), 32, 24, 25, 50));
    dir->Write("garbage.mp4", std::string(4096, '\x5a'));
  }
  static void TearDownTestSuite() { dir.reset(); }
  static std::string path(const std::string& name) { return (dir->Path() / name).string(); }

  void SetUp() override {
    // A pipe whose reader has gone must not end the test program.
    previousPipeHandler_ = std::signal(SIGPIPE, SIG_IGN);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    start();
  }
  void TearDown() override {
    if (ctx) ctx->Drop();
    ctx.reset();
    SDL_Quit();
    std::signal(SIGPIPE, previousPipeHandler_);
  }

  void start() {
    ctx = openVideo();
    ASSERT_NE(ctx, nullptr);
  }

  video::AnimagePair& pair() { return *ctx->cinemasPair; }
  video::Animage* slot(int i) { return pair().animages[static_cast<std::size_t>(i)].get(); }

  // Waits for a load's completion; a test fails rather than hangs when none comes.
  static bool completed(const core::Handover<bool>& done) {
    return done.TakeFor(std::chrono::seconds(20)) == true;
  }

  static std::unique_ptr<testsupport::TempDir> dir;
  std::unique_ptr<video::Context> ctx;
  void (*previousPipeHandler_)(int) = nullptr;
};

std::unique_ptr<testsupport::TempDir> CinemaPairThreads::dir;

TEST_F(CinemaPairThreads, LoadGoesIntoTheIdleSlotAndFlipMakesItCurrent) {
  core::Handover<bool> done;
  ctx->LoadRunCinemaAsync(path("numbered.mp4"), done);
  ASSERT_TRUE(completed(done));
  EXPECT_FALSE(pair().lock);
  EXPECT_EQ(slot(0), nullptr);
  ASSERT_NE(slot(1), nullptr);
  std::shared_ptr<video::Animage> first = pair().animages[1];
  EXPECT_TRUE(first->ready);
  EXPECT_EQ(first->frames.size(), 50u);
  // Running, looping for ever, its phase following the engine clock from tick 0.
  EXPECT_DOUBLE_EQ(first->rate, 0.5);
  EXPECT_EQ(first->repeats, -1);
  EXPECT_EQ(first->start, 0);
  EXPECT_EQ(pair().current(), nullptr);
  EXPECT_EQ(pair().incoming(), first.get());

  ctx->FlipCinemas();
  EXPECT_EQ(pair().thisIndex, 1);
  EXPECT_EQ(slot(0), nullptr);
  EXPECT_EQ(pair().current(), first.get());
  EXPECT_EQ(pair().incoming(), nullptr);

  // The next load goes into slot 0; its flip releases the first cinema.
  ctx->LoadRunCinemaAsync(path("numbered.h264"), done);
  ASSERT_TRUE(completed(done));
  ASSERT_NE(slot(0), nullptr);
  EXPECT_EQ(slot(0)->frames.size(), 50u);
  ctx->FlipCinemas();
  EXPECT_EQ(pair().thisIndex, 0);
  EXPECT_EQ(slot(1), nullptr);
  EXPECT_TRUE(first->frames.empty());
}

// Every load request reports completion exactly once, whatever happens to it.
TEST_F(CinemaPairThreads, CompletionExactlyOnceOnEveryPath) {
  struct Case {
    const char* name;
    const char* file;
    bool busy;
    std::uint64_t budget;
    bool loads;
  } cases[] = {
      {"load", "numbered.mp4", false, std::uint64_t{1} << 30, true},
      {"missing file", "missing.mp4", false, std::uint64_t{1} << 30, false},
      {"garbage", "garbage.mp4", false, std::uint64_t{1} << 30, false},
      {"beyond the memory budget", "numbered.mp4", false, 100000, false},
      {"busy pair", "numbered.mp4", true, std::uint64_t{1} << 30, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    pair().lock = c.busy;
    pair().budget = c.budget;
    core::Handover<bool> done;
    ctx->LoadRunCinemaAsync(path(c.file), done);
    ASSERT_TRUE(completed(done));
    if (c.busy) {
      EXPECT_TRUE(pair().lock) << "a refused request leaves the other operation's flag alone";
      pair().lock = false;
    }
    EXPECT_FALSE(pair().lock);
    EXPECT_EQ(slot(1) != nullptr, c.loads);
    EXPECT_EQ(slot(0), nullptr);
    pair().cancel();  // the loader has ended: nothing more can arrive
    EXPECT_EQ(done.TryTake(), std::nullopt);
    ctx->Clean();
  }
}

// The budget is shared with the current cinema: a load gets what the current one leaves.
TEST_F(CinemaPairThreads, CurrentCinemaCountsAgainstTheBudget) {
  core::Handover<bool> done;
  ctx->LoadRunCinemaAsync(path("numbered.mp4"), done);
  ASSERT_TRUE(completed(done));
  ctx->FlipCinemas();
  const std::uint64_t one = video::CinemaBytes(*pair().current());
  for (std::uint64_t budget : {2 * one, 2 * one - 1}) {
    SCOPED_TRACE(budget);
    pair().budget = budget;
    ctx->LoadRunCinemaAsync(path("numbered.mp4"), done);
    ASSERT_TRUE(completed(done));
    EXPECT_EQ(slot(0) != nullptr, budget == 2 * one);
  }
}

// While a load runs the pair is busy: a flip does nothing, a second request loads nothing and
// reports at once, drawing shows the current cinema alone; the first load still ends and
// reports.
TEST_F(CinemaPairThreads, BusyWhileLoading) {
  PipeFeeder feeder(path("slow.h264"), dir->Read("numbered.h264"), false);
  core::Handover<bool> first;
  ctx->LoadRunCinemaAsync(path("slow.h264"), first);  // waits for the pipe's writer

  ctx->FlipCinemas();
  EXPECT_EQ(pair().thisIndex, 0);
  core::Handover<bool> second;
  ctx->LoadRunCinemaAsync(path("numbered.mp4"), second);
  EXPECT_EQ(second.TryTake(), true);
  EXPECT_EQ(first.TryTake(), std::nullopt);
  EXPECT_EQ(pair().incoming(), nullptr);
  ctx->DrawCinemaTransit(0.5, {0, 0}, -1);
  ctx->Sync(5000);

  feeder.Start();
  ASSERT_TRUE(completed(first));
  ASSERT_NE(pair().incoming(), nullptr);
  EXPECT_EQ(pair().incoming()->frames.size(), 50u);
  EXPECT_EQ(second.TryTake(), std::nullopt);
}

// The screen ends (or the player quits) while a cinema loads: the load is stopped, nothing
// is written into a released slot, no thread keeps running, and the request has still
// reported once though nobody takes the report.
TEST_F(CinemaPairThreads, EndingTheScreenDuringALoad) {
  enum class End { Clean, Drop, Destroy };
  int n = 0;
  for (End end : {End::Clean, End::Drop, End::Destroy}) {
    SCOPED_TRACE(static_cast<int>(end));
    if (!ctx) start();
    const std::string fifo = path("endless" + std::to_string(n++) + ".h264");
    PipeFeeder feeder(fifo, dir->Read("numbered.h264"), true);
    feeder.Start();
    core::Handover<bool> done;
    ctx->LoadRunCinemaAsync(fifo, done);
    // The frame loop goes on meanwhile, touching only what is its own.
    for (int tick = 1; tick <= 20; ++tick) {
      ctx->Sync(tick);
      ctx->Clear();
      ctx->DrawCinemaTransit(0.5, {16, 12}, 8);
      ctx->DrawCinemaSingle();
      ctx->LockDraw();
    }
    EXPECT_TRUE(pair().lock) << "the endless load is still running";
    switch (end) {
      case End::Clean:
        ctx->Clean();
        EXPECT_FALSE(pair().lock);
        EXPECT_EQ(slot(0), nullptr);
        EXPECT_EQ(slot(1), nullptr);
        ctx->Drop();
        break;
      case End::Drop:
        ctx->Drop();
        break;
      case End::Destroy:  // a failure ends the program without Drop
        break;
    }
    SDL_Window* window = end == End::Destroy ? ctx->window : nullptr;
    SDL_Renderer* renderer = end == End::Destroy ? ctx->renderer : nullptr;
    SDL_Texture* screen = end == End::Destroy ? ctx->screen : nullptr;
    ctx.reset();
    // What the process's end would take with it.
    if (screen) SDL_DestroyTexture(screen);
    if (renderer) SDL_DestroyRenderer(renderer);
    if (window) SDL_DestroyWindow(window);
    EXPECT_EQ(done.TryTake(), true);
    EXPECT_EQ(done.TryTake(), std::nullopt);
  }
}

TEST_F(CinemaPairThreads, PairWorksAgainAfterClean) {
  PipeFeeder feeder(path("endless.h264"), dir->Read("numbered.h264"), true);
  feeder.Start();
  core::Handover<bool> done;
  ctx->LoadRunCinemaAsync(path("endless.h264"), done);
  EXPECT_TRUE(pair().lock);
  ctx->Clean();
  EXPECT_EQ(done.TryTake(), true);  // the cancelled load's report
  ctx->LoadRunCinemaAsync(path("numbered.mp4"), done);
  ASSERT_TRUE(completed(done));
  ASSERT_NE(pair().incoming(), nullptr);
}

TEST_F(CinemaPairThreads, CleanBothOnAnEmptyPairDoesNothing) {
  pair().cleanBoth();
  EXPECT_EQ(slot(0), nullptr);
  EXPECT_EQ(slot(1), nullptr);
  EXPECT_EQ(pair().thisIndex, 0);
  EXPECT_FALSE(pair().lock);
  ctx->DrawCinemaSingle();
  ctx->DrawCinemaTransit(0.5, {0, 0}, 10);
  ctx->FlipCinemas();
  EXPECT_EQ(pair().thisIndex, 1);
}

// Sync advances the ready cinemas with the registered animages.
TEST_F(CinemaPairThreads, SyncAdvancesReadyCinemas) {
  core::Handover<bool> done;
  ctx->LoadRunCinemaAsync(path("numbered.mp4"), done);
  ASSERT_TRUE(completed(done));
  video::Animage* cinema = pair().incoming();
  ASSERT_NE(cinema, nullptr);
  // 50 frames, half a cycle per second: tick 1000 is frame position 24.5.
  ctx->Sync(1000);
  EXPECT_EQ(cinema->curr, 24);
  EXPECT_DOUBLE_EQ(cinema->fract, 0.5);
  ctx->FlipCinemas();
  ctx->Sync(3000);  // 1.5 cycles: position 73.5, frame 23 of the second loop
  EXPECT_EQ(cinema->curr, 23);
}

// ---- Drawing --------------------------------------------------------------------------------

// Cinemas of one colour put straight into the slots; the screen is 64 × 48.
class CinemaDrawing : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    ctx = openVideo();
    ASSERT_NE(ctx, nullptr);
  }
  void TearDown() override {
    if (ctx) ctx->Drop();
    ctx.reset();
    SDL_Quit();
  }

  // Puts a ready w × h cinema of grey `level` into slot i.
  void put(int i, int w, int h, std::uint8_t level) {
    auto a = std::make_shared<video::Animage>();
    a->frames.push_back(testsupport::solidFrame(w, h, {level, level, level, 255}));
    a->ready = true;
    ctx->cinemasPair->animages[static_cast<std::size_t>(i)] = a;
  }
  // The blue byte of every pixel on screen is `level`.
  bool screenIs(int level) const {
    for (std::size_t i = 0; i < ctx->pixels.size(); i += 4)
      if (ctx->pixels[i] != level) return false;
    return true;
  }

  std::unique_ptr<video::Context> ctx;
};

TEST_F(CinemaDrawing, SingleFillsTheScreen) {
  put(0, 32, 24, 255);
  ctx->DrawCinemaSingle();
  EXPECT_TRUE(screenIs(255));
}

TEST_F(CinemaDrawing, TransitWithoutAReadyNextCinemaDrawsTheCurrentAlone) {
  put(0, 32, 20, 250);
  ctx->DrawCinemaSingle();
  const auto single = ctx->pixels;
  ctx->clear();
  put(1, 32, 24, 10);
  ctx->cinemasPair->animages[1]->ready = false;
  ctx->DrawCinemaTransit(0.5, {16, 12}, 8);
  EXPECT_EQ(ctx->pixels, single);
  ctx->clear();
  ctx->cinemasPair->animages[1].reset();
  ctx->DrawCinemaTransit(0.5, {16, 12}, -1);
  EXPECT_EQ(ctx->pixels, single);
}

TEST_F(CinemaDrawing, TransitEndsShowTheCinemasOneByOne) {
  struct Case {
    double lambda;
    int rectWidth;
    int want;  // every pixel
  } cases[] = {
      // Cross-fade: the current cinema first at 128 over black (127), then the next one at
      // 128 over that: (200 × 128 + 127 × 128) >> 8.
      {0.5, -1, 163},
      {0, -1, 255},
      {1, -1, 200},
      // Zoom: at its start the current cinema alone, at its end the next one alone.
      {0, 8, 255},
      {1, 8, 200},
  };
  put(0, 32, 24, 255);
  put(1, 16, 12, 200);
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.lambda << " " << c.rectWidth);
    ctx->clear();
    ctx->DrawCinemaTransit(c.lambda, {16, 12}, c.rectWidth);
    EXPECT_TRUE(screenIs(c.want));
  }
}

TEST_F(CinemaDrawing, DrawLockHoldsForCinemas) {
  put(0, 32, 24, 255);
  put(1, 32, 24, 200);
  ctx->LockDraw();
  ctx->DrawCinemaSingle();
  ctx->DrawCinemaTransit(0.5, {16, 12}, -1);
  ctx->DrawCinemaTransit(0.5, {16, 12}, 8);
  EXPECT_TRUE(screenIs(0));
}

}  // namespace
