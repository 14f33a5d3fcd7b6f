#include "core/video/animage_pair.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <system_error>
#include <utility>

#include "core/video/cinema.h"
#include "core/video/video.h"

namespace video {
namespace {

// Budget when the machine does not tell its memory.
constexpr std::uint64_t CINEMA_BUDGET_FALLBACK = std::uint64_t{1} << 30;
// Draw sizes and positions are kept within ±2^29 pixels: a transition into a rectangle a
// few pixels wide magnifies the current cinema enormously at its end.
constexpr double CINEMA_DRAW_LIMIT = 536870912.0;

// ⌊v⌋ toward zero, as an int within the drawing limits.
int truncInt(double v) {
  if (std::isnan(v)) return 0;
  return static_cast<int>(std::clamp(v, -CINEMA_DRAW_LIMIT, CINEMA_DRAW_LIMIT));
}

CinemaDraw centred(double centreX, double centreY, int w0, int h0, double scale, int alpha) {
  const int w = truncInt(w0 * scale), h = truncInt(h0 * scale);
  const int x = truncInt(centreX), y = truncInt(centreY);
  return {x - (w >> 1), y - (h >> 1), w, h, alpha};
}

}  // namespace

std::uint64_t CinemaMemoryBudget() {
  const long pages = sysconf(_SC_PHYS_PAGES), page = sysconf(_SC_PAGESIZE);
  if (pages <= 0 || page <= 0) return CINEMA_BUDGET_FALLBACK;
  return static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(page) / 2;
}

std::uint64_t CinemaBytes(const Animage& cinema) {
  std::uint64_t bytes = 0;
  for (const Frame& f : cinema.frames) bytes += f.pixels.size() + sizeof(Frame);
  return bytes;
}

void AnimagePair::loadRunAnimageFromVideoAsync(const std::string& apath, int repeats,
                                               core::Handover<bool> sem) {
  // The flag is taken here, on the main thread, and handed to the loader, so a flip issued
  // right after this call cannot slip in before the loader starts.
  if (!tryLock()) {
    sem.Send(true);
    return;
  }
  // The previous loader has released the pair already; at most its report is left to do.
  if (loader.joinable()) loader.join();
  const int that = 1 - thisIndex;
  // What the current cinema leaves of the budget; an incoming cinema still in the other
  // slot is replaced, so it does not count.
  const Animage* cur = animages[static_cast<std::size_t>(thisIndex)].get();
  const std::uint64_t used = cur ? CinemaBytes(*cur) : 0;
  const std::uint64_t loadBudget = budget > used ? budget - used : 0;
  try {
    loader = std::jthread([this, apath, repeats, that, loadBudget, sem](std::stop_token stop) {
      load(stop, apath, repeats, that, loadBudget);
      // Released before the report, so a caller that flips on receiving it finds the pair free.
      unlock();
      sem.Send(true);
    });
  } catch (const std::system_error&) {
    // No thread to spare: nothing is loaded, and the request still completes.
    unlock();
    sem.Send(true);
  }
}

// Runs on the loader thread while it holds the busy flag: slot `that` is its own meanwhile.
void AnimagePair::load(std::stop_token stop, const std::string& apath, int repeats, int that,
                       std::uint64_t loadBudget) {
  auto cinema = std::make_shared<Animage>();
  // Replacing the slot's reference releases a cinema left there, before decoding begins.
  animages[static_cast<std::size_t>(that)] = cinema;
  auto loaded = loadFromVideo(*cinema, apath, loadBudget, stop);
  // A failed or cancelled load leaves the slot empty; the message goes nowhere.
  if (!loaded || stop.stop_requested()) {
    clean(that);
    return;
  }
  // Loops from engine tick 0, so its phase follows the clock, not the end of the load.
  cinema->Run(cinema->rate, 0, repeats);
  // Published last: the main thread reads it with acquire before touching the frames.
  cinema->ready.store(true, std::memory_order_release);
}

void AnimagePair::flip() {
  if (!tryLock()) return;
  clean(thisIndex);
  thisIndex = 1 - thisIndex;
  unlock();
}

void AnimagePair::clean(int i) {
  if (i != 0 && i != 1) return;
  auto& slot = animages[static_cast<std::size_t>(i)];
  if (!slot) return;
  slot->destroy();
  slot.reset();
}

void AnimagePair::cleanBoth() {
  cancel();
  clean(0);
  clean(1);
}

void AnimagePair::cancel() {
  if (!loader.joinable()) return;
  loader.request_stop();
  loader.join();
}

void AnimagePair::sync(std::int64_t ticks) {
  for (int i : {0, 1})
    if (Animage* cinema = readySlot(i)) cinema->sync(ticks);
}

Animage* AnimagePair::readySlot(int i) const {
  // While a load runs (the flag is set on this, the main thread, only by loads: flips and
  // cleaning run here), the incoming slot is the loader's. Acquire pairs with the loader's
  // release of the flag, so a slot it filled is seen whole.
  if (i != thisIndex && lock.load(std::memory_order_acquire)) return nullptr;
  Animage* cinema = animages[static_cast<std::size_t>(i)].get();
  if (!cinema || !cinema->ready.load(std::memory_order_acquire)) return nullptr;
  return cinema;
}

Animage* AnimagePair::current() const { return readySlot(thisIndex); }

Animage* AnimagePair::incoming() const { return readySlot(1 - thisIndex); }

CinemaDraw cinemaFitted(int w0, int h0, int screenW, int screenH, int alpha) {
  if (w0 <= 0 || h0 <= 0) return {0, 0, 0, 0, alpha};
  const double scale =
      std::min(static_cast<double>(screenW) / w0, static_cast<double>(screenH) / h0);
  return centred(0, 0, w0, h0, scale, alpha);
}

std::array<CinemaDraw, 2> cinemaZoom(double lambda, int thisW, int thisH, int thatW, int thatH,
                                     int screenW, int screenH, std::array<int, 2> rectCenter,
                                     int rectWidth) {
  if (thisW <= 0 || thisH <= 0 || thatW <= 0 || thatH <= 0) return {};
  const double W = screenW, H = screenH;
  // A rectangle at least one pixel wide: at width 0 the next cinema would start at scale 0
  // and the current one end infinitely magnified.
  const int rw = std::max(rectWidth, 1);
  const double thisScale0 = std::min(W / thisW, H / thisH);
  const double thatScale1 = std::min(W / thatW, H / thatH);
  const double thatScale0 = rw * thisScale0 / thatW;
  const double thisScale1 = thisScale0 * thatScale1 / thatScale0;
  // The rectangle's centre relative to the current cinema's centre, in its pixels.
  const int dx = rectCenter[0] - (thisW >> 1), dy = rectCenter[1] - (thisH >> 1);
  const int thatCenterX0 = truncInt(dx * thisScale0), thatCenterY0 = truncInt(dy * thisScale0);
  const double thisCenterX1 = -thisScale1 * dx, thisCenterY1 = -thisScale1 * dy;

  const double thisScale = thisScale0 * (1 - lambda) + thisScale1 * lambda;
  const double thatScale = thatScale0 * (1 - lambda) + thatScale1 * lambda;
  // Each centre is truncated on its own before the half size is taken off.
  return {centred(truncInt(thisCenterX1 * lambda), truncInt(thisCenterY1 * lambda), thisW, thisH,
                  thisScale, truncInt(256 * (1 - lambda))),
          centred(truncInt(thatCenterX0 * (1 - lambda)), truncInt(thatCenterY0 * (1 - lambda)),
                  thatW, thatH, thatScale, truncInt(256 * lambda))};
}

// The video context's cinema operations: all on the main thread, all drawing through
// DrawAnimageScaled with frame blending, so the draw lock holds for them too.

void Context::LoadRunCinemaAsync(const std::string& cpath, core::Handover<bool> sem) {
  cinemasPair->loadRunAnimageFromVideoAsync(cpath, -1, std::move(sem));
}

void Context::FlipCinemas() { cinemasPair->flip(); }

void Context::DrawCinemaSingle() { drawCinemaSingleAlpha(cinemasPair->current(), 256); }

void Context::drawCinemaSingleAlpha(const Animage* cinema, int alpha) {
  if (!cinema || !cinema->ready.load(std::memory_order_acquire)) return;
  const CinemaDraw d = cinemaFitted(cinema->W0(), cinema->H0(), width, height, alpha);
  DrawAnimageScaled(cinema, d.x, d.y, d.w, d.h, d.alpha, true);
}

void Context::DrawCinemaTransit(double lambda, std::array<int, 2> rectCenter, int rectWidth) {
  const Animage* cineThis = cinemasPair->current();
  const Animage* cineThat = cinemasPair->incoming();
  // Still loading (or nothing loaded): the current cinema alone.
  if (!cineThat) {
    drawCinemaSingleAlpha(cineThis, 256);
    return;
  }
  if (!cineThis) return;
  if (rectWidth < 0) {
    drawCinemaSingleAlpha(cineThis, truncInt(256 * (1 - lambda)));
    drawCinemaSingleAlpha(cineThat, truncInt(256 * lambda));
    return;
  }
  const auto draws = cinemaZoom(lambda, cineThis->W0(), cineThis->H0(), cineThat->W0(),
                                cineThat->H0(), width, height, rectCenter, rectWidth);
  DrawAnimageScaled(cineThis, draws[0].x, draws[0].y, draws[0].w, draws[0].h, draws[0].alpha, true);
  DrawAnimageScaled(cineThat, draws[1].x, draws[1].y, draws[1].w, draws[1].h, draws[1].alpha, true);
}

}  // namespace video
