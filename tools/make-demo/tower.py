"""The three rooms of the tower: the stair, the library and the clock room."""
import math
import random

from cinema import Move, Pulse, Turn, flicker, wave
from draw import circle, ellipse, line, path, poly, rect, style
from paint import Canvas, dot, glow, layer, vgradient
from scene import Scene
from scenery import compose, thing_sprite, twinkle
from tools import convert


def stone_wall(seed, colours, x0=0, y0=0, x1=800, y1=450, bw=(40, 70), bh=26, mortar="#120e12"):
    """Blocks of stone in courses, each a slightly different shade."""
    rnd = random.Random(seed)
    cmds = style(mortar) + [rect(x0, y0, x1, y1)]
    y = y0
    row = 0
    while y < y1:
        x = x0 - rnd.uniform(0, bw[0])
        while x < x1:
            w = rnd.uniform(*bw)
            cmds += style(rnd.choice(colours)) + [rect(x + 1, y + 1, x + w - 1, y + bh - 1)]
            x += w
        y += bh
        row += 1
    return cmds


def torch(c, name, x, y):
    """A wall torch: bracket in the picture, flames and light as flickering layers."""
    bracket = style("#2a2018", "#0c0806", 1) + [poly([(x - 5, y), (x + 5, y), (x + 3, y + 30),
                                                      (x - 3, y + 30)]),
                                                rect(x - 9, y - 4, x + 9, y + 2)]
    flames = []
    for k, (sx, sy) in enumerate([(1.0, 1.0), (0.8, 1.25), (1.15, 0.85)]):
        png = layer(c.f(f"{name}_flame{k}"), [
            *style("#ff9a30"), path(f"M {x},{y - 30 * sy} C {x + 12 * sx},{y - 14 * sy} "
                                    f"{x + 10 * sx},{y} {x},{y} C {x - 10 * sx},{y} "
                                    f"{x - 12 * sx},{y - 14 * sy} {x},{y - 30 * sy} Z"),
            *style("#ffe070"), ellipse(x, y - 7 * sy, 5 * sx, 9 * sy)])
        flames.append(Pulse(png, lo=0.0, hi=1.0,
                            fn=lambda p, k=k: max(0.0, min(1.0, flicker(p, 7 + k * 5) * 1.6 - 0.3))))
    light = glow(c.f(name + "_light"), 150, "#ff9040", 0.55)
    flames.append(Pulse(light, x - 150, y - 160, 0.55, 1.0, fn=lambda p: flicker(p, 3),
                        compose="Screen"))
    return bracket, flames


def motes(c, seed, area, count=12, colour="#ffe0b0"):
    rnd = random.Random(seed)
    png = dot(c.f("mote"), 4, colour)
    x0, y0, x1, y1 = area
    out = []
    for i in range(count):
        x, y = rnd.uniform(x0, x1), rnd.uniform(y0, y1)
        ax, ay, ph = rnd.uniform(8, 30), rnd.uniform(10, 40), rnd.random()
        out.append(Move(png, (8, 8), lambda p, x=x, y=y, ax=ax, ay=ay, ph=ph: (
            x + ax * wave(p, 1, ph), y + ay * wave(p, 1, ph + 0.25),
            0.2 + 0.6 * (0.5 + 0.5 * wave(p, 2, ph)))))
    return out


def arched_door(x0, y0, x1, y1, wood="#4a3020", dark="#0a0608", ajar=None):
    r = (x1 - x0) / 2
    cmds = style("#3a3036", "#140e10", 2) + [
        f"path 'M {x0 - 10},{y1} L {x0 - 10},{y0 + r} A {r + 10},{r + 10} 0 0 1 {x1 + 10},{y0 + r} "
        f"L {x1 + 10},{y1} Z'"]
    cmds += style(dark) + [f"path 'M {x0},{y1} L {x0},{y0 + r} A {r},{r} 0 0 1 {x1},{y0 + r} "
                           f"L {x1},{y1} Z'"]
    if ajar:
        cmds += style(ajar) + [poly([(x1 - 18, y0 + r * 0.4), (x1 - 4, y0 + r), (x1 - 4, y1),
                                     (x1 - 18, y1)])]
    cmds += style(wood, "#1a0e08", 1.5) + [
        f"path 'M {x0 + 4},{y1} L {x0 + 4},{y0 + r} A {r - 4},{r - 4} 0 0 1 "
        f"{x1 - (22 if ajar else 4)},{y0 + r * (1.05 if ajar else 1)} L {x1 - (22 if ajar else 4)},{y1} Z'"]
    cmds += style("none", "#24160c", 1.2) + [line(x, y0 + r * 0.5, x, y1)
                                              for x in range(int(x0 + 16), int(x1 - 20), 14)]
    cmds += style("#8a7040") + [circle(x0 + (x1 - x0) * 0.7, (y0 + y1) / 2 + 20, 3.5)]
    return cmds


def stair(work):
    c = Canvas(work, "stair")
    wall = layer(c.f("wall"), stone_wall(71, ["#3a2e30", "#342a2c", "#40322f", "#2e2628"]))
    steps = []
    for k in range(14):
        x, y = 250 + k * 26, 430 - k * 20
        steps += style("#4a3c38", "#181012", 1) + [poly([(x, y), (x + 70, y - 6), (x + 74, y + 8),
                                                         (x + 4, y + 16)])]
        steps += style("#2a2022") + [poly([(x + 4, y + 16), (x + 74, y + 8), (x + 74, y + 22),
                                           (x + 4, y + 30)])]
    room = layer(c.f("room"), [
        *style("#0a0608"), poly([(0, 450), (0, 430), (800, 420), (800, 450)]),
        # the doorway at the top of the stair, lit from the library above
        *style("#3a3036", "#140e10", 2), "path 'M 588,180 L 588,108 A 42,42 0 0 1 672,108 L 672,180 Z'",
        *style("#ffcf80"), "path 'M 598,180 L 598,108 A 32,32 0 0 1 662,108 L 662,180 Z'",
        *style("#e0a050"), rect(598, 150, 662, 180),
        *steps,
        *arched_door(62, 200, 182, 424, ajar="#5a4a8a"),
        # the nail the key hangs from
        *style("#8a8070"), circle(322, 236, 2.5),
    ])
    bracket, flames = torch(c, "torch", 470, 150)
    key = thing_sprite(c, "key", 52)
    keyhang = c.f("keyhang")
    convert(key, "-background", "none", "-rotate", "80", "+repage", keyhang)
    base = compose(c.f("base"), wall, room, layer(c.f("bracket"), bracket), (keyhang, 294, 230))
    layers = [Pulse(glow(c.f("dooglow"), 90, "#ffc070", 0.6), 540, 50, 0.5, 0.9,
                    compose="Screen")] + flames
    layers.append(Pulse(glow(c.f("keyglow"), 34, "#ffe0a0", 0.5), 290, 250, 0.2, 0.7,
                        compose="Screen"))
    layers += motes(c, 72, (200, 60, 700, 400))
    return Scene(base, layers, zones={
        "stair_library": [rect(592, 108, 668, 180), circle(630, 108, 38)],
        "stair_gate": [rect(58, 260, 186, 424), circle(122, 260, 64)],
        "key": [poly([(296, 228), (346, 228), (346, 300), (296, 300)])],
    }, rects={"stair_library": (630, 130, 76), "stair_gate": (122, 312, 128)})


def bookshelf(seed, x0, y0, x1, y1, rows=5):
    rnd = random.Random(seed)
    cmds = style("#2a1a10", "#0c0604", 2) + [rect(x0 - 8, y0 - 10, x1 + 8, y1 + 6)]
    cmds += style("#140c08") + [rect(x0, y0, x1, y1)]
    rh = (y1 - y0) / rows
    palette = ["#6a2a24", "#2a4a5a", "#5a4a24", "#3a5a34", "#4a2a4a", "#7a5a3a", "#2a3050"]
    for r in range(rows):
        by = y0 + (r + 1) * rh
        x = x0 + 2
        while x < x1 - 8:
            w = rnd.uniform(6, 13)
            h = rh * rnd.uniform(0.6, 0.9)
            if rnd.random() < 0.08:
                x += w
                continue
            cmds += style(rnd.choice(palette), "#0c0604", 0.6) + [rect(x, by - h, min(x + w, x1 - 1), by - 1)]
            x += w + 0.5
        cmds += style("#3a2616") + [rect(x0, by - 1, x1, by + 3)]
    return cmds


def library(work):
    c = Canvas(work, "library")
    layer(c.f("moonpic"), [*style("#f0ecd8"), circle(436, 86, 14), *style("#283468"),
                           circle(429, 81, 12)])
    night = vgradient(c.f("night"), [(0, "#0a1030"), (0.12, "#1c2a60"), (0.42, "#34407a"),
                                     (1, "#34407a")])
    wall = layer(c.f("wall"), [
        *stone_wall(81, ["#2c2430", "#28202c", "#302634"], bh=30),
        # the round window: a hole in the wall that shows the night
        "fill none", "stroke none",
    ])
    hole = layer(c.f("hole"), [*style("white"), circle(400, 118, 70)])
    convert(wall, "-alpha", "set", hole, "-compose", "DstOut", "-composite", wall)
    room = layer(c.f("room"), [
        *style("none", "#4a3a30", 10), circle(400, 118, 74),
        *style("none", "#3a2a22", 5), line(400, 46, 400, 190), line(328, 118, 472, 118),
        *bookshelf(82, 186, 70, 330, 400), *bookshelf(83, 470, 230, 620, 400, rows=3),
        *style("#120a08"), poly([(0, 450), (0, 420), (800, 416), (800, 450)]),
        # the way down to the stair: an arch with steps falling away
        *style("#3a3036", "#140e10", 2), "path 'M 26,424 L 26,262 A 60,60 0 0 1 146,262 L 146,424 Z'",
        *style("#0a0606"), "path 'M 38,424 L 38,262 A 48,48 0 0 1 134,262 L 134,424 Z'",
        *[cmd for k in range(6) for cmd in style("#2e2426") + [rect(38, 330 + k * 16, 134 - k * 8, 338 + k * 16)]],
        # the door to the clock room
        *arched_door(664, 210, 774, 424, ajar="#d8b070"),
        # the desk
        *style("#4a2e1c", "#1a0e06", 1.5), rect(250, 338, 560, 350),
        rect(262, 350, 276, 420), rect(534, 350, 548, 420),
        *style("#3a2416"), rect(276, 352, 534, 360),
        # the candle
        *style("#e8e0c8", "#6a6050", 1), rect(506, 304, 518, 338),
        *style("#6a5a40"), ellipse(512, 338, 14, 3),
    ])
    chart = thing_sprite(c, "chart", 60)
    base = compose(c.f("base"), night, c.f("moonpic"), wall, room, (chart, 352, 284))
    layers = twinkle(c, 500, (330, 48, 470, 188), 150, front=(wall, room))
    cflames = []
    for k, s in enumerate((1.0, 1.3, 0.8)):
        png = layer(c.f(f"cflame{k}"), [*style("#ffb040"), path(
            f"M 512,{302 - 18 * s} C 518,{296 - 6 * s} 518,302 512,302 C 506,302 506,{296 - 6 * s} "
            f"512,{302 - 18 * s} Z")])
        cflames.append(Pulse(png, fn=lambda p, k=k: max(0.0, min(1.0, flicker(p, 11 + k * 3) * 1.7 - 0.35))))
    layers += cflames
    layers.append(Pulse(glow(c.f("candle"), 120, "#ffb060", 0.5), 392, 170, 0.6, 1.0,
                        fn=lambda p: flicker(p, 5), compose="Screen"))
    layers.append(Pulse(glow(c.f("chartglow"), 40, "#a0c0ff", 0.5), 342, 274, 0.2, 0.6,
                        compose="Screen"))
    layers.append(Pulse(glow(c.f("doorglow"), 60, "#ffd890", 0.5), 680, 250, 0.3, 0.7,
                        fn=lambda p: 0.5 + 0.5 * wave(p, 2), compose="Screen"))
    layers += motes(c, 84, (160, 180, 640, 400), 10, "#ffe8c0")
    return Scene(base, layers, zones={
        "library_stair": [rect(30, 262, 142, 424), circle(86, 262, 56)],
        "library_clock": [rect(658, 265, 780, 424), circle(719, 265, 61)],
        "chart": [rect(354, 288, 412, 342)],
    }, rects={"library_stair": (86, 330, 112), "library_clock": (719, 320, 122)})


def gear(cx, cy, r, teeth, colour):
    pts = []
    for i in range(teeth * 4):
        a = i / (teeth * 4) * 2 * math.pi
        rr = r + (6 if i % 4 in (1, 2) else 0)
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    return style(colour, "#1a120a", 1.5) + [poly(pts)] + style("#1a1410") + [circle(cx, cy, r * 0.3)]


def clock(work):
    c = Canvas(work, "clock")
    wall = layer(c.f("wall"), stone_wall(91, ["#262a34", "#22262e", "#2a2e38"], bh=28))
    ticks = []
    for i in range(12):
        a = i / 12 * 2 * math.pi
        ticks.append(line(400 + 88 * math.sin(a), 150 - 88 * math.cos(a),
                          400 + 100 * math.sin(a), 150 - 100 * math.cos(a)))
    room = layer(c.f("room"), [
        *style("#0c0a0c"), poly([(0, 450), (0, 424), (800, 420), (800, 450)]),
        # the clock: case, face, numerals
        *style("#3a2414", "#140a04", 2), rect(344, 240, 456, 430),
        *style("#120a06"), rect(358, 262, 442, 416),
        *style("#4a2e1a", "#140a04", 2), circle(400, 150, 116),
        *style("#e8dcc0", "#6a5a40", 2), circle(400, 150, 104),
        *style("none", "#3a2e20", 3), *ticks,
        *style("#3a2e20"), poly([(397, 150), (400, 90), (403, 150)]),
        # the door back to the library
        *arched_door(40, 210, 150, 424, ajar="#4a3a2a"),
        # the small table
        *style("#3a2416", "#140a04", 1.5), rect(560, 370, 660, 380), rect(570, 380, 578, 424),
        rect(642, 380, 650, 424),
        # the ladder up to the hatch of the lamp room
        *style("#ffe08a"), rect(690, 0, 770, 26),
        *style("#2a2016", "#0c0806", 1), rect(686, 26, 774, 34),
        *style("#5a3c22", "#1a0e06", 1.2), rect(700, 30, 708, 430), rect(752, 30, 760, 430),
        *[rect(708, y, 752, y + 5) for y in range(60, 430, 34)],
    ])
    gears = layer(c.f("gear1"), gear(230, 180, 54, 12, "#7a5a30"))
    gears2 = layer(c.f("gear2"), gear(575, 210, 40, 8, "#6a4a2a"))
    gears3 = layer(c.f("gear3"), gear(262, 292, 36, 8, "#5a4026"))
    hand = layer(c.f("hand"), [*style("#1a1410"), poly([(398, 150), (400, 62), (402, 150)]),
                               circle(400, 150, 6)])
    pend = layer(c.f("pendulum"), [*style("#b08a40", "#3a2a10", 1), rect(398, 262, 402, 380),
                                   circle(400, 384, 18), *style("#e8c870"), circle(395, 379, 6)])
    hourglass = thing_sprite(c, "hourglass", 58)
    base = compose(c.f("base"), wall, room, (hourglass, 581, 314))
    layers = [
        Turn(gears, 230, 180, lambda p: 30 * p),
        Turn(gears2, 575, 210, lambda p: -45 * p),
        Turn(gears3, 262, 292, lambda p: -45 * p),
        Turn(pend, 400, 262, lambda p: 14 * wave(p, 2)),
        Turn(hand, 400, 150, lambda p: 360 * p),
        Pulse(glow(c.f("hatch"), 90, "#ffd880", 0.7), 640, -60, 0.5, 1.0,
              fn=lambda p: 0.5 + 0.5 * wave(p, 1), compose="Screen"),
        Pulse(glow(c.f("glassglow"), 40, "#ffe0a0", 0.5), 570, 303, 0.2, 0.6, compose="Screen"),
    ]
    layers += motes(c, 92, (200, 200, 680, 400), 10, "#d0e0ff")
    return Scene(base, layers, zones={
        "clock_library": [rect(36, 265, 154, 424), circle(95, 265, 59)],
        "clock_lamp": [rect(686, 0, 774, 430)],
        "hourglass": [rect(584, 316, 636, 372)],
    }, rects={"clock_library": (95, 320, 118), "clock_lamp": (730, 60, 88)})
