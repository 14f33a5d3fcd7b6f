"""The small second verse: a garden of two places in a single circle."""
import random

from cinema import Layer, Move, Pulse, Roll, flicker, wave
from draw import circle, ellipse, line, path, poly, rect, style
from paint import Canvas, cutout, glow, layer, silhouette, streaks, vgradient
from scene import Scene
from scenery import compose, thing_sprite, twinkle


def petals(c, seed, count=9):
    """Blossom petals drifting down and across; each crosses the frame once per loop."""
    rnd = random.Random(seed)
    png = layer(c.f("petal"), [*style("#f8c0d0"), ellipse(6, 4, 5, 2.6)], w=12, h=8)
    out = []
    for i in range(count):
        x0, y0, ph = rnd.uniform(0, 800), rnd.uniform(-40, 300), rnd.random()
        out.append(Move(png, (12, 8), lambda p, x0=x0, y0=y0, ph=ph: (
            (x0 + 820 * ((p + ph) % 1)) % 840 - 20,
            y0 + 160 * ((p + ph) % 1) + 10 * wave(p, 3, ph),
            0.0 if (p + ph) % 1 > 0.96 or (p + ph) % 1 < 0.04 else 0.85)))
    return out


def pond(work):
    c = Canvas(work, "pond")
    sky = vgradient(c.f("sky"), [(0, "#1c1a40"), (0.3, "#5a4a80"), (0.5, "#c08aa0"),
                                 (0.52, "#3a3460"), (1, "#1a1a30")])
    pads = []
    rnd = random.Random(131)
    for _ in range(9):
        x, y = rnd.uniform(170, 650), rnd.uniform(320, 405)
        pads += style("#2a5a40", "#10261a", 1) + [ellipse(x, y, 22, 7)]
        if rnd.random() < 0.5:
            pads += style("#f4a0c0") + [ellipse(x + 4, y - 4, 6, 4)]
    branches = []
    for k in range(14):
        x = 130 + k * 11
        branches += style("none", "#1a3020", 2.5) + [path(
            f"M {x},{110 + (k % 3) * 6} C {x + 8},{160 + (k % 4) * 10} {x + 2},{220} {x - 6 + (k % 3) * 4},{260 + (k % 5) * 12}")]
    garden = layer(c.f("garden"), [
        *silhouette(132, -8, 808, 250, 12, "#2a2448"),
        *style("#1c2a26"), poly([(-8, 270), (808, 262), (808, 450), (-8, 450)]),
        *style("#2e2c58"), ellipse(420, 360, 330, 70),
        *style("#4a3e70"), ellipse(420, 352, 290, 50),
        *pads,
        # the willow the bell hangs from
        *style("#1a1410"), poly([(120, 420), (132, 180), (144, 110), (162, 110), (156, 200), (150, 420)]),
        *style("none", "#1a1410", 6), path("M 150,120 C 190,92 230,100 262,128"),
        *branches,
        # the stone lantern
        *style("#5a5660", "#1c1a20", 1.5), rect(64, 380, 104, 392), rect(76, 330, 92, 380),
        poly([(58, 300), (110, 300), (100, 330), (68, 330)]), poly([(52, 300), (84, 280), (116, 300)]),
        *style("#ffd890"), rect(72, 306, 96, 324),
        # the red bridge across to the pavilion, and the pavilion far behind
        *style("#1a1418"), poly([(664, 236), (700, 222), (736, 236)]), rect(676, 236, 724, 256),
        *style("none", "#b0302a", 6), path("M 560,330 C 620,270 700,270 770,318"),
        *style("none", "#8a2420", 3), *[line(x, 300 - (x - 665) ** 2 / 400 + 20, x, 336)
                                        for x in range(580, 770, 24)],
        *style("none", "#b0302a", 3), path("M 560,300 C 620,246 700,246 770,292"),
    ])
    bell = thing_sprite(c, "bell", 44)
    base = compose(c.f("base"), sky, garden, (bell, 216, 130))
    # the willow stands in front of the water
    willow = layer(c.f("willow"), [*style("white"), poly([(120, 420), (132, 180), (162, 110),
                                                          (156, 200), (150, 420)])])
    water = cutout(c.f("watermask"), 296, 130, (willow,),
                   shape=layer(c.f("water"), [*style("white"), ellipse(420, 64, 300, 56)], h=130))
    layers = twinkle(c, 700, (0, 0, 800, 180), 60, front=(garden,))
    layers.append(Roll(streaks(c.f("ripples"), 133, 800, 130, 100, "#e0a8c0", count=10,
                               length=(6, 20)), 0, 296, dx=100, alpha=0.5, compose="Screen",
                        mask=water))
    layers.append(Pulse(glow(c.f("lanternglow"), 50, "#ffc880", 0.7), 34, 265, 0.5, 1.0,
                        fn=lambda p: flicker(p, 2), compose="Screen"))
    layers.append(Pulse(glow(c.f("bellglow"), 34, "#ffe0a0", 0.5), 204, 118, 0.2, 0.7,
                        compose="Screen"))
    layers += petals(c, 134)
    return Scene(base, layers, zones={
        "pond_pavilion": [poly([(556, 236), (780, 222), (780, 340), (556, 340)])],
        "bell": [rect(218, 124, 258, 176)],
    }, rects={"pond_pavilion": (668, 290, 224)})


def pavilion(work):
    c = Canvas(work, "pavilion")
    sky = vgradient(c.f("sky"), [(0, "#0a0a24"), (0.55, "#24204a"), (0.6, "#2e2a50"),
                                 (0.61, "#141a24"), (1, "#0c1016")])
    hall = layer(c.f("hall"), [
        *style("#f2ecd4"), circle(150, 90, 36),
        *silhouette(141, -8, 808, 270, 10, "#181a34"),
        *style("#10161c"), poly([(-8, 275), (808, 270), (808, 450), (-8, 450)]),
        # the pavilion
        *style("#3a3238", "#10080c", 2), rect(280, 330, 520, 352),
        *style("#6a2a24", "#1a0806", 1.5), rect(300, 200, 314, 332), rect(486, 200, 500, 332),
        rect(370, 206, 380, 332), rect(420, 206, 430, 332),
        *style("#2a2a3a"), rect(314, 214, 486, 330),
        *style("#ffd49a"), "fill-opacity 0.55", rect(320, 224, 480, 326), "fill-opacity 1",
        *style("#1e1a26", "#08060a", 2),
        path("M 240,206 C 300,196 330,170 350,140 L 450,140 C 470,170 500,196 560,206 "
             "C 520,214 280,214 240,206 Z"),
        *style("#2a2432", "#08060a", 2), path("M 330,140 C 360,120 440,120 470,140 Z"),
        # stepping stones back to the pond
        *[cmd for x, y, r in ((40, 430, 24), (90, 396, 20), (132, 370, 16), (168, 350, 13))
          for cmd in style("#3a3a42", "#121216", 1) + [ellipse(x, y, r, r * 0.4)]],
    ])
    base = compose(c.f("base"), sky, hall)
    layers = twinkle(c, 800, (0, 0, 800, 250), 120, front=(hall,))
    lanterns = layer(c.f("lanterns"), [*style("none", "#2a2020", 1.5), line(300, 206, 300, 228),
                                       line(500, 206, 500, 228),
                                       *style("#d8402a", "#3a0c06", 1), ellipse(300, 240, 10, 13),
                                       ellipse(500, 240, 10, 13)])
    layers.append(Layer(lanterns))
    for x, k in ((300, 0), (500, 1)):
        layers.append(Pulse(glow(c.f(f"lglow{k}"), 40, "#ff9a60", 0.8), x - 40, 200, 0.5, 1.0,
                            fn=lambda p, k=k: flicker(p, 4 + k), compose="Screen"))
    layers.append(Pulse(glow(c.f("moonhalo"), 90, "#d0d8ff", 0.6), 60, 0, 0.5, 0.9,
                        compose="Screen"))
    layers += petals(c, 142, 7)
    return Scene(base, layers, zones={
        "pavilion_pond": [poly([(0, 340), (190, 336), (200, 450), (0, 450)])],
    }, rects={"pavilion_pond": (96, 394, 196)})
