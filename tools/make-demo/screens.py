"""The cinemas behind the menu and the credits."""
from cinema import Layer, Move, Pulse, Roll, Turn, wave
from draw import ellipse, poly, rect, style
from light import beams
from paint import Canvas, glow, layer, silhouette, streaks, vgradient
from scene import Scene
from scenery import compose, twinkle


def menu(work):
    """The lighthouse across the night sea, its beams sweeping; the middle stays dark for
    the menu's texts."""
    c = Canvas(work, "menu")
    sky = vgradient(c.f("sky"), [(0, "#02040e"), (0.5, "#0a1232"), (0.66, "#1a2852"),
                                 (0.67, "#0a1024"), (1, "#04060e")])
    sea = streaks(c.f("sea"), 151, 800, 150, 100, "#6a84c0", count=16, length=(4, 22))
    island = layer(c.f("island"), [
        *style("#05070e"), poly([(560, 304), (600, 284), (700, 280), (760, 298), (790, 304)]),
        *style("#0e1220"), poly([(653, 286), (659, 190), (681, 190), (687, 286)]),
        *style("#2a3040"), rect(657, 214, 683, 222), rect(655, 246, 685, 254),
        *style("#ffe8a8"), rect(658, 172, 682, 190),
        *style("#080a14"), poly([(652, 174), (670, 158), (688, 174)]), rect(650, 188, 690, 194),
    ])
    base = compose(c.f("base"), sky, (sea, 0, 300), island)
    layers = twinkle(c, 900, (0, 0, 800, 290), 180, front=(island,))
    layers.append(Roll(streaks(c.f("glint"), 152, 800, 150, 100, "#c8d8ff", count=10,
                               length=(4, 16)), 0, 300, dx=100, alpha=0.7, compose="Screen"))
    layers.append(Turn(beams(c, "beams", 670, 181, length=1000, spread=0.08), 670, 181,
                       lambda p: 180 * p, compose="Screen"))
    layers.append(Layer(island))
    layers.append(Pulse(glow(c.f("lamp"), 40, "#fff0c0"), 630, 141, 0.6, 1.0,
                        fn=lambda p: 0.5 + 0.5 * wave(p, 2), compose="Screen"))
    return Scene(base, layers)


def credits(work):
    """Northern lights over a dark hill: curtains that sway and breathe."""
    c = Canvas(work, "credits")
    sky = vgradient(c.f("sky"), [(0, "#020410"), (0.7, "#08122a"), (1, "#0a1630")])
    hill = layer(c.f("hill"), silhouette(161, -8, 808, 380, 16, "#020306"))
    base = compose(c.f("base"), sky)
    layers = twinkle(c, 1000, (0, 0, 800, 400), 200)
    for k, (x, colour, lo, hi) in enumerate(((140, "#40ff9a", 0.25, 0.75),
                                             (400, "#60c0ff", 0.2, 0.6),
                                             (640, "#b070ff", 0.2, 0.65),
                                             (280, "#50ffb0", 0.15, 0.5))):
        curtain = layer(c.f(f"curtain{k}"), [
            *style(colour), "fill-opacity 0.5",
            *[ellipse(200 + dx, 180 + (dx % 60) - 30, 9, 150) for dx in range(-150, 160, 22)],
            "fill-opacity 1"], w=400, h=360, ss=1, blur=18)
        layers.append(Move(curtain, (400, 360), lambda p, x=x, k=k, lo=lo, hi=hi: (
            x + 30 * wave(p, 1, k * 0.21), 190 + 8 * wave(p, 2, k * 0.37),
            lo + (hi - lo) * (0.5 + 0.5 * wave(p, 1, k * 0.29))), compose="Screen"))
    layers.append(Layer(hill))
    return Scene(base, layers)
