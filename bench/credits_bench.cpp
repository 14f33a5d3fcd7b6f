// One frame of the credits' text on a 1280×720 screen, side by side in one run: every
// visible line rendered afresh and drawn, against drawing the text images kept since the
// lines entered the screen (what the credits do). 24 lines of 24-point serif, as the demo
// game shows them.
//
//   build/orlevanth_bench --benchmark_filter=Credits
#include <SDL_ttf.h>
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/video/text.h"
#include "core/video/video.h"

namespace {

constexpr const char* FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf";
constexpr int LINES = 24;
constexpr int STEP = 30;

const std::vector<std::string>& lines() {
  static const std::vector<std::string> all = [] {
    const char* text[] = {"THE KEEPER'S LIGHT",
                          "a verse of eight places on three circles",
                          "Places, things, cursors and logos",
                          "drawn with ImageMagick",
                          "Cinemas",
                          "composed with ImageMagick, encoded with FFmpeg"};
    std::vector<std::string> out;
    for (int i = 0; i < LINES; ++i) out.emplace_back(text[i % 6]);
    return out;
  }();
  return all;
}

// A video context with a screen buffer and one font, without a window.
struct Screen {
  video::Context ctx;
  Screen() {
    TTF_Init();
    ctx.width = 1280;
    ctx.height = 720;
    ctx.pixels.assign(static_cast<std::size_t>(ctx.width) * ctx.height * 4, 0);
    ctx.fonts.push_back(TTF_OpenFont(FONT, 24));
  }
  ~Screen() {
    video::closeFonts(ctx);
    TTF_Quit();
  }
};

void CreditsRenderEveryFrame(benchmark::State& state) {
  Screen s;
  if (!s.ctx.fonts[0]) return state.SkipWithError("font not found");
  for (auto _ : state) {
    for (int i = 0; i < LINES; ++i) {
      video::TextImage img = video::MakeStrImage(s.ctx, 0, lines()[i], false, 0, 240, 240, 240);
      video::DrawStrImage(s.ctx, img.image.get(), -(img.w >> 1), -360 + i * STEP, 0);
    }
  }
}
BENCHMARK(CreditsRenderEveryFrame)->Unit(benchmark::kMicrosecond);

void CreditsKeptImages(benchmark::State& state) {
  Screen s;
  if (!s.ctx.fonts[0]) return state.SkipWithError("font not found");
  std::vector<video::TextImage> kept;
  for (int i = 0; i < LINES; ++i)
    kept.push_back(video::MakeStrImage(s.ctx, 0, lines()[i], false, 0, 240, 240, 240));
  for (auto _ : state) {
    for (int i = 0; i < LINES; ++i)
      video::DrawStrImage(s.ctx, kept[i].image.get(), -(kept[i].w >> 1), -360 + i * STEP, 0);
  }
}
BENCHMARK(CreditsKeptImages)->Unit(benchmark::kMicrosecond);

}  // namespace
