"""The round pictures that stand for places in the circles overview, and the verse
pictures of the menu."""
import os

from draw import circle, render, style
from tools import convert, reset_dir

SIZE = 64          # the overview's hover area has a radius of 32 pixels
SERIF = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf"


def _mask(work):
    return render(os.path.join(work, "medallion_mask.png"), SIZE, SIZE,
                  [*style("white"), circle(32, 32, 29.5)])


def _rim(work, name, colour, width):
    return render(os.path.join(work, f"rim_{name}.png"), SIZE, SIZE,
                  [*style("none", "#000000", width + 2), circle(32, 32, 29.5),
                   *style("none", colour, width), circle(32, 32, 29.5)])


def medallion(frame, crop, out, work, kind):
    """A crop (cx, cy, side) of a cinema frame inside a round rim. "here" is bright with a
    gold rim; "there" (visited, elsewhere) is faded with a silver rim."""
    cx, cy, side = crop
    x0, y0 = cx - side // 2, cy - side // 2
    tone = [] if kind == "here" else ["-modulate", "70,45,100"]
    rim = _rim(work, kind, "#e8c468" if kind == "here" else "#9aa0b0", 3 if kind == "here" else 2)
    convert(frame, "-crop", f"{side}x{side}{x0:+d}{y0:+d}", "+repage", "-resize",
            f"{SIZE}x{SIZE}!", *tone, "-alpha", "set", _mask(work), "-compose", "DstIn",
            "-composite", rim, "-compose", "Over", "-composite", out)


def place_pictures(frames_dir, crop, place_dir, work, animated=False):
    """here.png, there.png of a place from its cinema's frames. An animated place gets its
    here-picture as the numbered sequence here/0001.png ... following the cinema's loop."""
    frames = sorted(os.listdir(frames_dir))
    first = os.path.join(frames_dir, frames[0])
    medallion(first, crop, os.path.join(place_dir, "there.png"), work, "there")
    if not animated:
        medallion(first, crop, os.path.join(place_dir, "here.png"), work, "here")
        return
    seq = os.path.join(place_dir, "here")
    reset_dir(seq)
    n = 12
    for k in range(n):
        src = os.path.join(frames_dir, frames[round(k * len(frames) / n)])
        medallion(src, crop, os.path.join(seq, f"{k + 1:04d}.png"), work, "here")


def hidden(out, work):
    """An unvisited place: a dark, starless disc with a question mark."""
    rim = _rim(work, "hidden", "#4a4660", 2)
    convert("-size", f"{SIZE}x{SIZE}", "radial-gradient:#2a2840-#0a0a14", "-alpha", "set",
            _mask(work), "-compose", "DstIn", "-composite", rim, "-compose", "Over", "-composite",
            "-font", SERIF, "-pointsize", "30", "-gravity", "center", "-fill", "#8a86a8",
            "-annotate", "+0+1", "?", out)


def verse_picture(frame, out):
    """The verse's picture in the menu: a frame of its first place, 320 x 180, framed."""
    convert(frame, "-resize", "316x176!", "-bordercolor", "#e8c468", "-border", "2", out)
