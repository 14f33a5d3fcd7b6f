"""Looping cinemas: a static painting plus overlays that move with the loop's phase.

Every overlay is a periodic function of the phase p = frame / FRAMES (0 <= p < 1) with a
whole number of cycles per loop, so the last frame flows into the first and the engine's
endless repetition shows no seam. Frames are composited with ImageMagick and encoded with
ffmpeg (H.264 in MP4, which the engine decodes completely into memory).
"""
import math
import os

from tools import BITEXACT, convert, ffmpeg, reset_dir

W, H = 800, 450          # cinema frame size: 16:9, fitted to the screen by the engine
FPS = 25
FRAMES = 100             # 4 seconds
TAU = 2 * math.pi


def wave(p, cycles, phase=0.0):
    """sin of the loop phase with a whole number of cycles: 0 at p = 0 and p = 1 alike."""
    return math.sin(TAU * (cycles * p + phase))


def flicker(p, seed):
    """A flame-like irregular value in 0..1 made of a few whole-cycle sines."""
    v = 0.5 + 0.22 * wave(p, 3, seed * 0.13) + 0.16 * wave(p, 7, seed * 0.29) \
        + 0.12 * wave(p, 13, seed * 0.41)
    return max(0.0, min(1.0, v))


class Layer:
    """A picture composited at (x, y) with an opacity and a compose operator."""

    def __init__(self, png, x=0, y=0, compose="Over"):
        self.png, self.x, self.y, self.compose = png, x, y, compose

    def state(self, p):
        """(picture arguments, x, y, opacity) at phase p."""
        return [self.png], self.x, self.y, 1.0

    def args(self, p):
        pic, x, y, alpha = self.state(p)
        if alpha <= 0.002:
            return []
        inner = pic if alpha >= 0.998 else \
            pic + ["-channel", "A", "-evaluate", "multiply", f"{alpha:.4f}", "+channel"]
        return ["(", *inner, ")", "-geometry", f"{x:+d}{y:+d}", "-compose", self.compose,
                "-composite"]


class Pulse(Layer):
    """Opacity lo..hi following fn(p) in 0..1 (default: one smooth cycle per loop)."""

    def __init__(self, png, x=0, y=0, lo=0.0, hi=1.0, fn=None, compose="Over"):
        super().__init__(png, x, y, compose)
        self.lo, self.hi = lo, hi
        self.fn = fn or (lambda p: 0.5 + 0.5 * wave(p, 1))

    def state(self, p):
        return [self.png], self.x, self.y, self.lo + (self.hi - self.lo) * self.fn(p)


class Roll(Layer):
    """A layer whose picture slides with wrap-around by (dx, dy) pixels per loop; the
    picture must repeat with that period so the wrap is invisible. An optional mask of the
    picture's size keeps the slid picture inside a shape (water inside its banks)."""

    def __init__(self, png, x=0, y=0, dx=0, dy=0, alpha=1.0, compose="Over", mask=None):
        super().__init__(png, x, y, compose)
        self.dx, self.dy, self.alpha, self.mask = dx, dy, alpha, mask

    def state(self, p):
        rx, ry = round(self.dx * p), round(self.dy * p)
        pic = [self.png, "-roll", f"{rx:+d}{ry:+d}"]
        if self.mask:
            pic += [self.mask, "-compose", "DstIn", "-composite"]
        return pic, self.x, self.y, self.alpha


class Move(Layer):
    """A small picture whose centre follows path(p) -> (x, y, opacity)."""

    def __init__(self, png, size, path, compose="Over"):
        super().__init__(png, 0, 0, compose)
        self.half = (size[0] // 2, size[1] // 2)
        self.path = path

    def state(self, p):
        x, y, a = self.path(p)
        return [self.png], round(x) - self.half[0], round(y) - self.half[1], a


class Turn(Layer):
    """A full-frame picture rotated about (cx, cy) by angle(p) degrees."""

    def __init__(self, png, cx, cy, angle, alpha=1.0, compose="Over"):
        super().__init__(png, 0, 0, compose)
        self.cx, self.cy, self.angle, self.alpha = cx, cy, angle, alpha

    def state(self, p):
        a = self.angle(p)
        pic = [self.png, "-virtual-pixel", "transparent", "-distort", "SRT",
               f"{self.cx},{self.cy} {a:.3f}"]
        return pic, 0, 0, self.alpha(p) if callable(self.alpha) else self.alpha


def render_frames(bg, layers, out_dir, frames=FRAMES):
    """Writes frames 0001.png ... of the loop into out_dir."""
    reset_dir(out_dir)
    for n in range(frames):
        p = n / frames
        args = [bg]
        for layer in layers:
            args += layer.args(p)
        convert(*args, "-alpha", "off", "-define", "png:compression-level=1",
                os.path.join(out_dir, f"{n + 1:04d}.png"))


def encode(frames_dir, out, crf=20):
    """H.264 in MP4, 4:2:0, one key frame per loop, reproducible bytes."""
    ffmpeg("-framerate", FPS, "-i", os.path.join(frames_dir, "%04d.png"),
           "-c:v", "libx264", "-preset", "slow", "-crf", crf, "-pix_fmt", "yuv420p",
           "-g", FRAMES, "-x264-params", "threads=1:sliced-threads=0",
           *BITEXACT, "-movflags", "+faststart", out)
