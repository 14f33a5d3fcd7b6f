"""The intro's logos, the menu's title and arrows."""
import math
import os

from draw import circle, line, poly, render, style
from tools import convert, reset_dir

SERIF_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf"
LOGO = 256
RINGS = (112, 78, 44)
GOLD = "#e8c468"


def arc(cx, cy, r, a0, a1):
    """An arc from angle a0 to a1 (degrees, clockwise from the top), as a polyline."""
    n = max(2, int((a1 - a0) / 3))
    pts = [(cx + r * math.sin(math.radians(a0 + (a1 - a0) * i / n)),
            cy - r * math.cos(math.radians(a0 + (a1 - a0) * i / n))) for i in range(n + 1)]
    return "polyline " + " ".join(f"{x:.2f},{y:.2f}" for x, y in pts)


def engine_logo_frame(t):
    """The engine's mark at progress t in 0..1: three circles draw themselves from the top,
    outermost first, then a star kindles in the middle and a place lights on each circle."""
    c = LOGO / 2
    cmds = []
    for k, r in enumerate(RINGS):
        s = min(1.0, max(0.0, (t - k * 0.12) / 0.55))
        if s > 0:
            sweep = 359.9 * s
            cmds += style("none", "#7a5a20", 7) + [arc(c, c, r, 0, sweep)]
            cmds += style("none", GOLD, 3.5) + [arc(c, c, r, 0, sweep)]
    star = min(1.0, max(0.0, (t - 0.6) / 0.3))
    if star > 0:
        for r, a in ((30, 0.12), (20, 0.2), (12, 0.35)):
            cmds += style(f"rgba(255,236,170,{a * star:.3f})") + [circle(c, c, r * star)]
        s = 14 * star
        cmds += style("#fff6d8") + [poly([(c, c - s), (c + s * 0.25, c - s * 0.25), (c + s, c),
                                          (c + s * 0.25, c + s * 0.25), (c, c + s),
                                          (c - s * 0.25, c + s * 0.25), (c - s, c),
                                          (c - s * 0.25, c - s * 0.25)])]
    dots = min(1.0, max(0.0, (t - 0.8) / 0.2))
    if dots > 0:
        for r, a in zip(RINGS, (-50, 70, 190)):
            x, y = c + r * math.sin(math.radians(a)), c - r * math.cos(math.radians(a))
            cmds += style(f"rgba(255,246,216,{dots:.3f})", "#7a5a20", 1.5) + [circle(x, y, 6)]
    return cmds


def maker_logo_frame(t):
    """The maker's small mark: a gem that turns once and flashes."""
    c = 32
    w = 18 * abs(math.cos(math.pi * t)) + 4
    flash = max(0.0, 1 - abs(t - 0.85) / 0.15)
    return [*style("#1a3a6a", "#0a1428", 2), poly([(c, 6), (c + w, c), (c, 58), (c - w, c)]),
            *style("#5a9ae0"), poly([(c, 6), (c + w, c), (c, c)]),
            *style("#a8d4ff"), poly([(c, 6), (c - w * 0.4, c - 6), (c, c)]),
            *style(f"rgba(255,255,255,{0.9 * flash:.3f})"), circle(c, c, 10 * flash + 0.01),
            *style("none", f"rgba(255,255,255,{0.8 * flash:.3f})", 1.5),
            line(c, c - 26 * flash, c, c + 26 * flash), line(c - 26 * flash, c, c + 26 * flash, c)]


def sequence(out_dir, frames, size, frame_fn):
    """A numbered picture sequence 0001.png, 0002.png, ... of frame_fn(t), t from 0 to 1."""
    reset_dir(out_dir)
    for i in range(frames):
        render(os.path.join(out_dir, f"{i + 1:04d}.png"), size, size, frame_fn(i / (frames - 1)))


def intro(animages):
    d = os.path.join(animages, "intro")
    sequence(os.path.join(d, "orlevanth"), 30, LOGO, engine_logo_frame)
    sequence(os.path.join(d, "tovameremin"), 20, 64, maker_logo_frame)


def title(out, text="Orlevanth", sub="— demo —"):
    """The menu's title: the engine's name in gold over a soft glow, a line under it."""
    w, h = 560, 128
    convert("-size", f"{w}x{h}", "xc:none", "-font", SERIF_BOLD, "-pointsize", "64",
            "-gravity", "north", "-fill", "#e8c468", "-stroke", "#5a3e10", "-strokewidth", "2",
            "-annotate", "+0+6", text, "-stroke", "none", "-pointsize", "18", "-fill", "#c8c0d8",
            "-annotate", "+0+96", sub,
            "(", "+clone", "-background", "#ffb040", "-shadow", "70x8+0+0", ")",
            "+swap", "-background", "none", "-layers", "merge", "+repage",
            "-gravity", "center", "-extent", f"{w}x{h}", out)


def arrows(meta):
    shape = [*style("#e8c468", "#3a2808", 2), poly([(26, 4), (26, 44), (4, 24)]),
             *style("#fff0c0"), poly([(22, 12), (22, 20), (12, 24)])]
    left = render(os.path.join(meta, "arrow_left.png"), 30, 48, shape)
    convert(left, "-flop", os.path.join(meta, "arrow_right.png"))
