"""The lamp room at the top of the tower, the heart of the verse."""
import math

from cinema import Layer, Pulse, Roll, Turn, wave
from draw import circle, line, poly, rect, style
from paint import Canvas, glow, layer, silhouette, streaks, vgradient
from scene import Scene
from scenery import compose, twinkle


def beams(c, name, cx, cy, length=900, spread=0.12, colour="#fff2c0"):
    """Two opposite beams of light from (cx, cy), soft at the edges."""
    cmds = []
    for base in (0, math.pi):
        for k, (s, a) in enumerate(((spread, 0.18), (spread * 0.55, 0.3), (spread * 0.25, 0.45))):
            pts = [(cx, cy)] + [(cx + length * math.cos(base + d), cy + length * math.sin(base + d))
                                for d in (-s, s)]
            cmds += style(colour) + [f"fill-opacity {a}", poly(pts)]
    return layer(c.f(name), cmds + ["fill-opacity 1"], blur=3)


def lamp(work):
    c = Canvas(work, "lamp")
    sky = vgradient(c.f("sky"), [(0, "#03061a"), (0.5, "#0e1a44"), (0.72, "#1e2e5e"),
                                 (0.73, "#0c1430"), (1, "#060a18")])
    sea = streaks(c.f("sea"), 121, 800, 110, 100, "#8aa4e0", count=14, length=(4, 20))
    bands = []
    for k in range(13):
        y = 104 + k * 20
        half = 64 + 34 * (1 - abs(k - 6) / 6) ** 0.6
        bands += style("#c89a40" if k % 2 else "#e0bc60", "#6a4a18", 1) + [
            poly([(400 - half, y), (400 + half, y), (400 + half - 3, y + 20), (400 - half + 3, y + 20)])]
        bands += style("#fff0b8") + ["fill-opacity 0.35",
                                     rect(400 - half + 8, y + 3, 400 - half + 22, y + 8),
                                     "fill-opacity 1"]
    frame = layer(c.f("frame"), [
        # the window frames, the gallery rail outside and the room below the sill
        *style("#181420", "#06040a", 1.5),
        *[rect(x - 7, 0, x + 7, 340) for x in (0, 130, 260, 540, 670, 800)],
        rect(0, 54, 800, 64),
        *style("none", "#2a2436", 3), line(0, 290, 800, 290), line(0, 312, 800, 312),
        *[line(x, 290, x, 340) for x in range(20, 800, 40)],
        *style("#201a24", "#06040a", 2), rect(-4, 334, 804, 454),
        *style("#2c2430"), rect(-4, 334, 804, 346),
        # the door out onto the gallery
        *style("#2a2230", "#06040a", 2), rect(684, 120, 786, 424),
        *style("#101a3a"), rect(696, 132, 774, 412),
        *style("none", "#2a2230", 5), line(735, 132, 735, 412), line(696, 270, 774, 270),
        *style("#b08a40"), circle(704, 280, 4),
        # the great lens on its pedestal
        *style("#3a2c20", "#100a06", 2), rect(330, 360, 470, 440), rect(310, 430, 490, 446),
        *bands,
        *style("#a07a30", "#4a3410", 2), rect(394, 96, 406, 366),
        *style("#fff8d8", "#c09040", 2), circle(400, 230, 26),
    ])
    base = compose(c.f("base"), sky, (sea, 0, 330),
                   layer(c.f("far"), silhouette(122, -8, 808, 332, 4, "#0a1228", bottom=340)))
    layers = twinkle(c, 600, (0, 0, 800, 300), 150, front=(frame,))
    layers.append(Roll(streaks(c.f("glint"), 123, 800, 110, 100, "#d8e4ff", count=8,
                               length=(4, 14)), 0, 330, dx=100, alpha=0.7, compose="Screen"))
    layers.append(Turn(beams(c, "beams", 400, 230), 400, 230, lambda p: 180 * p,
                       compose="Screen"))
    layers.append(Layer(frame))
    layers.append(Pulse(glow(c.f("core"), 110, "#fff0b0", 0.9), 290, 120, 0.55, 1.0,
                        fn=lambda p: 0.5 + 0.5 * wave(p, 2), compose="Screen"))
    layers.append(Pulse(glow(c.f("doorglow"), 50, "#9ab0ff", 0.4), 685, 220, 0.2, 0.6,
                        fn=lambda p: 0.5 + 0.5 * wave(p, 1, 0.3), compose="Screen"))
    return Scene(base, layers, zones={
        "lamp_gate": [rect(684, 120, 786, 424)],
    }, rects={"lamp_gate": (735, 272, 102)})
