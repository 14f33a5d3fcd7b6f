// Compositing animages into a destination (the screen buffer).
//
// Unscaled drawing copies a frame pixel for pixel, blending each pixel by its own alpha
// byte, and can blend the current frame with the next one by the animage's fraction.
// Scaled drawing resamples a frame to any size by bilinear interpolation in 32.32 fixed
// point and blends it with one uniform opacity (0 … 256, 256 replaces), optionally mixing
// two frames; its rows are split into bands that run on all processors. All arithmetic is
// integer, every path gives the same bytes, and the destination's alpha byte is never
// written.
#pragma once

#include <cstdint>

#include "core/video/animage.h"
#include "core/video/pixel.h"

namespace video {

class Bands;

// Fixed-point source positions: the upper 32 bits are the pixel index, bits 24 … 31 the
// 8-bit interpolation weight.
constexpr int SCALE_SMOOTH_BINLOG = 32;
constexpr std::int64_t SCALE_SMOOTH_UNIT = std::int64_t{1} << SCALE_SMOOTH_BINLOG;
constexpr std::int64_t SCALE_SMOOTH_BINMASK = SCALE_SMOOTH_UNIT - 1;

// How rows are computed; every path gives the same bytes. REFERENCE is the straightforward
// per-pixel routine. The others composite unscaled rows in one pass, and compute each
// source row's horizontal interpolation of a scaled draw once from per-column tables,
// keeping the last two rows: in portable C++, or with SSE2 or AVX2 instructions.
enum class DrawPath { REFERENCE, PORTABLE, SSE2, AVX2 };
// The fastest path this processor runs, chosen at run time.
DrawPath bestDrawPath();
bool drawPathAvailable(DrawPath path);

// Unscaled: (x, y) is the frame's top-left corner in the destination, or its centre with
// `center`. fract (0 … 255) is the weight of frame2; the geometry comes from frame1.
void putFrame(const Frame& frame, Canvas dst, int x, int y, bool center,
              DrawPath path = bestDrawPath());
void putFrameMix(const Frame& frame1, const Frame& frame2, int fract, Canvas dst, int x, int y,
                 bool center, DrawPath path = bestDrawPath());
// The animage's current frame; with `smooth` mixed with the next one (after the last frame
// comes frame 0). An animage without frames draws nothing.
void put(const Animage& animg, Canvas dst, int x, int y, bool smooth, bool center);

// First row of band p when rows y0 … y1 − 1 are split into `numcpu` bands.
inline int bandStart(int y0, int y1, int numcpu, int p) { return y0 + (y1 - y0) * p / numcpu; }

// Scaled: frame resampled to w × h with its top-left corner at (x, y) and blended with
// `alpha`; the Mix form mixes frame2 in by fract (0 … 255) at the same source positions.
// The rows are split into `numcpu` bands run on `bands` (nullptr: one after the other on
// the caller). The source's own alpha bytes play no part.
void putFrameScaled(const Frame& frame, Canvas dst, int x, int y, int w, int h, int alpha,
                    int numcpu, Bands* bands, DrawPath path = bestDrawPath());
void putFrameScaledMix(const Frame& frame1, const Frame& frame2, int fract, Canvas dst, int x,
                       int y, int w, int h, int alpha, int numcpu, Bands* bands,
                       DrawPath path = bestDrawPath());
// The animage's current frame scaled; with `mix` mixed with the next one.
void putAnimageScaled(const Animage& animg, Canvas dst, int x, int y, int w, int h, int alpha,
                      bool mix, int numcpu, Bands* bands);

// The straightforward routines for rows yStartThis … yStartNext − 1 of one scaled draw:
// the reference every faster path must match byte for byte.
void putFrameScaledRoutine(const Frame& frame, Canvas dst, int x, int y, int w, int h, int alpha,
                           int yStartThis, int yStartNext);
void putFrameScaledMixRoutine(const Frame& frame1, const Frame& frame2, int fract, Canvas dst,
                              int x, int y, int w, int h, int alpha, int yStartThis,
                              int yStartNext);

}  // namespace video
