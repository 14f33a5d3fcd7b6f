"""Painting helpers for cinemas and pictures: gradients, glows, star fields, silhouettes,
repeating textures and zones pictures. Every random choice comes from a seeded generator."""
import math
import os
import random

from cinema import H, W
from draw import circle, ellipse, poly, style
from tools import convert


class Canvas:
    """Names the work files of one picture or cinema."""

    def __init__(self, work, name):
        self.dir = os.path.join(work, name)
        os.makedirs(self.dir, exist_ok=True)

    def f(self, name):
        return os.path.join(self.dir, name + ".png")


def layer(out, cmds, w=W, h=H, ss=2, blur=0.0, bg="none"):
    """An MVG drawing in frame pixels, supersampled; optionally blurred (glows, mist)."""
    mvg = "\n".join([f"affine {ss},0,0,{ss},0,0", "stroke-linejoin round"] + list(cmds))
    post = ["-channel", "RGBA", "-blur", f"0x{blur:g}", "+channel"] if blur else []
    convert("-size", f"{w * ss}x{h * ss}", f"xc:{bg}", "-draw", mvg,
            "-filter", "Triangle", "-resize", f"{w}x{h}!", *post, out)
    return out


def vgradient(out, stops, w=W, h=H):
    """Vertical gradient through (fraction, colour) stops from top to bottom."""
    parts = []
    for (f0, c0), (f1, c1) in zip(stops, stops[1:]):
        hh = round(f1 * h) - round(f0 * h)
        if hh > 0:
            parts += ["(", "-size", f"{w}x{hh}", f"gradient:{c0}-{c1}", ")"]
    convert(*parts, "-append", "+repage", out)
    return out


def glow(out, r, colour, strength=1.0):
    """A soft round light of radius r, full colour at the centre, fading to nothing."""
    convert("-size", f"{2 * r}x{2 * r}", f"radial-gradient:{colour}-{colour}00",
            "-channel", "A", "-evaluate", "pow", "1.6", "-evaluate", "multiply",
            f"{strength:g}", "+channel", out)
    return out


def stars(out, seed, count, area, w=W, h=H, big=0.08, tint=("#ffffff", "#d8e4ff", "#fff0d0")):
    """Scattered stars in area (x0, y0, x1, y1); a few larger ones with a halo."""
    rnd = random.Random(seed)
    cmds = []
    x0, y0, x1, y1 = area
    for _ in range(count):
        x, y = rnd.uniform(x0, x1), rnd.uniform(y0, y1)
        # Fewer stars near the horizon, where the sky is brighter.
        if rnd.random() < (y - y0) / max(1, y1 - y0) * 0.6:
            continue
        a = rnd.uniform(0.35, 1.0)
        r = rnd.uniform(0.5, 1.1)
        c = rnd.choice(tint)
        if rnd.random() < big:
            cmds += style(f"rgba(200,220,255,{a * 0.25:.2f})") + [circle(x, y, r * 3.2)]
            r *= 1.5
        cmds += style(c) + [f"fill-opacity {a:.2f}", circle(x, y, r), "fill-opacity 1"]
    return layer(out, cmds, w, h)


def ridge(seed, x0, x1, base, amp, step=8, rough=0.5):
    """Points of a natural skyline between x0 and x1 around height `base`."""
    rnd = random.Random(seed)
    pts, y = [], base
    x = x0
    while x <= x1 + step:
        y += rnd.uniform(-amp, amp) * rough
        y = base + (y - base) * 0.8
        pts.append((x, y + amp * math.sin(x / 97.0 + seed)))
        x += step
    return pts


def silhouette(seed, x0, x1, base, amp, colour, bottom=H, step=8, rough=0.5):
    pts = ridge(seed, x0, x1, base, amp, step, rough)
    return style(colour) + [poly(pts + [(x1 + step, bottom), (x0, bottom)])]


def tree(x, y, h, colour, canopy, seed, fruit=None, fruit_count=0):
    """A trunk and a round, lumpy canopy; optional glowing fruit among the leaves."""
    rnd = random.Random(seed)
    cmds = style(colour) + [poly([(x - h * 0.05, y), (x - h * 0.025, y - h * 0.55),
                                  (x + h * 0.025, y - h * 0.55), (x + h * 0.06, y)])]
    cx, cy, r = x, y - h * 0.7, h * 0.32
    blobs = [(cx + rnd.uniform(-r, r) * 0.8, cy + rnd.uniform(-r, r) * 0.6,
              r * rnd.uniform(0.45, 0.7)) for _ in range(9)]
    cmds += style(canopy) + [circle(bx, by, br) for bx, by, br in blobs]
    fruits = []
    for _ in range(fruit_count):
        bx, by, br = rnd.choice(blobs)
        fruits.append((bx + rnd.uniform(-br, br) * 0.6, by + rnd.uniform(-br, br) * 0.6))
    if fruit:
        cmds += style(fruit) + [circle(fx, fy, 2.4) for fx, fy in fruits]
    return cmds, fruits


def streaks(out, seed, w, h, period, colour, count=18, length=(10, 40)):
    """Horizontal glints on water, repeating every `period` pixels so a roll by the period
    is seamless."""
    rnd = random.Random(seed)
    cmds = []
    for _ in range(count):
        x, y = rnd.uniform(0, period), rnd.uniform(0, h)
        ln = rnd.uniform(*length) * (0.4 + y / h)
        a = rnd.uniform(0.25, 0.8)
        for k in range(-1, w // period + 2):
            cmds += style(colour) + [f"fill-opacity {a:.2f}",
                                     ellipse(x + k * period, y, ln / 2, 0.6 + y / h)]
    return layer(out, cmds + ["fill-opacity 1"], w, h)


def mist(out, seed, w, h, period, colour, count=10, blur=14):
    """Soft horizontal banks of mist, repeating every `period` pixels."""
    rnd = random.Random(seed)
    cmds = []
    for _ in range(count):
        x, y = rnd.uniform(0, period), rnd.uniform(h * 0.3, h * 0.8)
        rx, ry, a = rnd.uniform(60, 140), rnd.uniform(8, 22), rnd.uniform(0.15, 0.35)
        for k in range(-1, w // period + 2):
            cmds += style(colour) + [f"fill-opacity {a:.2f}", ellipse(x + k * period, y, rx, ry)]
    return layer(out, cmds + ["fill-opacity 1"], w, h, ss=1, blur=blur)


def dot(out, r, colour):
    """A firefly or mote: a small bright core in a soft halo."""
    return glow(out, r, colour, 1.0)


def zones(out, shapes, w=W, h=H):
    """The zones picture: flat colours on black, drawn without anti-aliasing so every pixel
    is exactly one zone's colour or black."""
    cmds = []
    for colour, shape in shapes:
        cmds += [f"fill #{colour}", "stroke none"] + list(shape)
    convert("-size", f"{w}x{h}", "xc:black", "+antialias", "-draw", "\n".join(cmds),
            "-type", "TrueColor", "PNG24:" + out)
    return out


def cutout(out, y, h, fronts, shape=None, w=W):
    """A mask for a band of the frame from row y, h rows high: the band (or the band's
    `shape` picture) minus everything the `fronts` pictures cover there, so a sliding layer
    of water shows only where water is seen."""
    args = [shape, "-alpha", "set"] if shape else ["-size", f"{w}x{h}", "xc:white"]
    for f in fronts:
        args += ["(", f, "-crop", f"{w}x{h}+0+{y}", "+repage", ")", "-compose", "DstOut",
                 "-composite"]
    convert(*args, out)
    return out
