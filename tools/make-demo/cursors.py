"""The 13 cursor pictures of the verse screen, 48 x 48, drawn around their centre (the
engine centres a cursor picture on the mouse position)."""
import os

from draw import circle, line, poly, rrect, style
from draw import render
from tools import convert

SIZE = 48

# fill, outline, halo colour (None: no halo)
PLAIN = ("#f4eee0", "#1c1610", None)
SHINE = ("#ffe070", "#3a2800", "#ffd040")
DARKSHINE = ("#75707f", "#0c0a10", "#3a2458")


def look(f, o):
    return [*style(f, o, 2.2), "path 'M 5,24 C 13,11 35,11 43,24 C 35,37 13,37 5,24 Z'",
            *style("#4f86b0", o, 1.5), circle(24, 24, 8),
            *style("#101418"), circle(24, 24, 3.6),
            *style("#ffffff"), circle(21, 21, 1.8)]


def zone(f, o):
    arms = []
    for sx, sy in ((-1, -1), (1, -1), (1, 1), (-1, 1)):
        # an L whose corner points away from the centre and whose arms point inwards
        cx, cy = 24 + sx * 17, 24 + sy * 17
        arms.append(poly([(cx, cy), (cx - sx * 11, cy), (cx - sx * 11, cy - sy * 4),
                          (cx - sx * 4, cy - sy * 4), (cx - sx * 4, cy - sy * 11),
                          (cx, cy - sy * 11)]))
    return [*style(f, o, 1.6), *arms, circle(24, 24, 3.2)]


def talk(f, o):
    return [*style(f, o, 2.2), "path 'M 12,8 L 36,8 C 42,8 45,11 45,17 L 45,26 C 45,32 42,35 36,35 "
            "L 22,35 L 12,44 L 14,35 L 12,35 C 6,35 3,32 3,26 L 3,17 C 3,11 6,8 12,8 Z'",
            *style(o), circle(14, 21.5, 2.6), circle(24, 21.5, 2.6), circle(34, 21.5, 2.6)]


def hand(f, o):
    fingers = [rrect(x, top, x + 6, 30, 3) for x, top in ((12, 9), (18.5, 5), (25, 6), (31.5, 10))]
    return [*style(f, o, 1.8), *fingers,
            poly([(12, 28), (4, 20), (2, 23), (9, 34)]),
            "path 'M 11,26 L 38,26 L 38,36 C 38,42 34,46 28,46 L 20,46 C 14,46 11,42 11,36 Z'",
            *style("none", f, 2.2), line(13, 27.5, 36.5, 27.5)]


def take(f, o):
    knuckles = [rrect(x, 13, x + 6.5, 27, 3.2) for x in (11, 17.5, 24, 30.5)]
    return [*style(f, o, 1.8), *knuckles,
            "path 'M 10,22 L 38,22 L 38,34 C 38,41 34,45 27,45 L 20,45 C 14,45 10,41 10,35 Z'",
            poly([(10, 30), (4, 26), (3, 30), (12, 38)]),
            *style("none", f, 2.2), line(12, 23.5, 36, 23.5),
            *style("none", o, 1.2), line(14, 30, 34, 30)]


def gem(cx, cy, r, f, o):
    return [*style(f, o, 1.4), poly([(cx, cy - r), (cx + r * 0.8, cy), (cx, cy + r), (cx - r * 0.8, cy)])]


def use(f, o):
    return take(f, o) + gem(24, 8, 7, "#8ad0ff", o)


def useon(f, o):
    return [*gem(24, 10, 8, "#8ad0ff", o),
            *style(f, o, 1.8), poly([(18, 21), (30, 21), (30, 30), (36, 30), (24, 41), (12, 30),
                                     (18, 30)]),
            *style(f, o, 1.5), rrect(8, 42, 40, 46, 2)]


def zoomin(f, o):
    return [*style("none", o, 9), line(30, 30, 43, 43),
            *style("none", f, 5.5), line(30, 30, 43, 43),
            *style("rgba(160,200,255,0.35)", o, 6.5), circle(20, 20, 13),
            *style("none", f, 3.6), circle(20, 20, 13),
            *style(f, o, 1.2), poly([(18.5, 13), (21.5, 13), (21.5, 18.5), (27, 18.5), (27, 21.5),
                                     (21.5, 21.5), (21.5, 27), (18.5, 27), (18.5, 21.5), (13, 21.5),
                                     (13, 18.5), (18.5, 18.5)])]


def default(f, o):
    return [*style("none", o, 4.5), circle(24, 24, 9), *style("none", f, 2.5), circle(24, 24, 9),
            *style(f, o, 1.2), circle(24, 24, 2.5)]


CURSORS = [
    ("def", default, PLAIN), ("look", look, PLAIN), ("zone", zone, PLAIN),
    ("talk", talk, PLAIN), ("talk_shine", talk, SHINE), ("talk_darkshine", talk, DARKSHINE),
    ("hand", hand, PLAIN), ("take", take, PLAIN), ("take_shine", take, SHINE),
    ("use", use, PLAIN), ("useon", useon, PLAIN), ("zoomin", zoomin, PLAIN),
    ("zoomin_shine", zoomin, SHINE),
]


def make(out_dir, work):
    for name, shape, (fill, outline, halo) in CURSORS:
        out = os.path.join(out_dir, name + ".png")
        if halo is None:
            render(out, SIZE, SIZE, shape(fill, outline))
            continue
        body = render(os.path.join(work, name + "_body.png"), SIZE, SIZE, shape(fill, outline))
        # The halo: the shape's own silhouette in the halo colour, widened and softened.
        convert(body, "-alpha", "extract", "-morphology", "Dilate", "Disk:2.5", "-blur", "0x3",
                "-background", halo, "-alpha", "shape", body, "-compose", "Over", "-composite",
                out)
