"""The four places of the shore: the gate, the orchard, the well and the cove."""
from cinema import Move, Pulse, Roll, flicker, wave
from draw import circle, ellipse, line, poly, rect, style
from paint import Canvas, cutout, glow, layer, mist, silhouette, streaks, tree, vgradient
from scene import Scene
from scenery import compose, fireflies, thing_sprite, twinkle

DUSK = [(0, "#0c0a22"), (0.32, "#251c4a"), (0.52, "#5a3458"), (0.62, "#c8704a")]


def gate(work):
    c = Canvas(work, "gate")
    sky = vgradient(c.f("sky"), DUSK + [(0.64, "#2a2646"), (0.74, "#15142a"), (1, "#0a0a14")])
    sea = streaks(c.f("sea"), 11, 800, 48, 100, "#e09070", count=12, length=(6, 26))
    land = layer(c.f("land"), [
        # the lighthouse island far away, seen through the gate
        *style("#141226"), poly([(356, 284), (372, 276), (430, 274), (452, 284)]),
        *style("#221e34"), poly([(393, 277), (396, 226), (404, 226), (407, 277)]),
        *style("#b8b0c0"), rect(396, 246, 404, 250), rect(395, 262, 405, 266),
        *style("#ffe6a0"), rect(395, 216, 405, 226),
        *style("#1a1628"), poly([(392, 217), (400, 208), (408, 217)]),
        # the cliff top
        *silhouette(3, -8, 808, 338, 10, "#1b1a2c"),
        *silhouette(4, -8, 808, 372, 8, "#141322"),
        # the path from the viewer to the gate
        *style("#2c2838"), poly([(356, 410), (444, 410), (540, 450), (280, 450)]),
        # the cliff edge on the right and the steps down to the cove
        *style("#0c0c16"), poly([(640, 336), (808, 318), (808, 450), (700, 450)]),
        *[cmd for k in range(7) for cmd in (
            style("#3a3446", "#181420", 1) +
            [rect(650 + k * 20, 350 + k * 13, 690 + k * 20, 358 + k * 13)])],
        *style("#5a4a38", "#20180f", 1), rect(640, 322, 646, 372), rect(748, 372, 754, 434),
        *style("none", "#8a7458", 2), line(643, 326, 751, 378),
    ])
    trees = []
    fruit = []
    for i, (x, y, h) in enumerate([(132, 318, 120), (18, 372, 250), (236, 356, 196)]):
        cmds, fr = tree(x, y, h, "#0c0b16", "#161a2c" if i else "#1c2036", 20 + i,
                        "#d8e0f0", 4 + i)
        trees += cmds
        fruit += fr
    trees = style("#262434") + [poly([(60, 450), (190, 450), (146, 322), (122, 322)])] + trees
    # grass tufts along the cliff top
    for k in range(40):
        x = (k * 97) % 800
        y = 352 + (k * 37) % 80
        trees += style("none", "#2a2a3e", 1.2) + [line(x, y, x - 3, y - 9), line(x, y, x + 2, y - 11),
                                                 line(x, y, x + 6, y - 7)]
    orchard = layer(c.f("orchard"), trees)
    arch = layer(c.f("arch"), [
        *style("#4a4254", "#1e1a26", 2),
        "path 'M 318,410 L 318,190 A 82,82 0 0 1 482,190 L 482,410 L 448,410 L 448,190 "
        "A 48,48 0 0 0 352,190 L 352,410 Z'",
        *style("none", "#2a2432", 1.5),
        *[line(318, y, 352, y) for y in range(220, 410, 30)],
        *[line(448, y, 482, y) for y in range(235, 410, 30)],
        line(335, 142, 352, 162), line(400, 108, 400, 142), line(465, 142, 448, 162),
        *style("#5e5668"), rect(312, 402, 358, 414), rect(442, 402, 488, 414),
        # the flat stone the lantern stands on
        *style("#3c3646", "#1a1622", 1.5), ellipse(522, 402, 34, 10),
    ])
    base = c.f("base")
    lantern = thing_sprite(c, "lantern", 52)
    compose(base, sky, (sea, 0, 282), land, orchard, arch, (lantern, 496, 352))
    layers = twinkle(c, 100, (0, 0, 800, 250), front=(land, orchard, arch))
    layers += [Roll(streaks(c.f("glint"), 12, 800, 48, 100, "#ffd0a0", count=8,
                            length=(4, 18)), 0, 282, dx=100, alpha=0.8, compose="Screen",
                    mask=cutout(c.f("seamask"), 282, 48, (land, orchard, arch)))]
    beacon = glow(c.f("beacon"), 26, "#ffe0a0")
    layers.append(Pulse(beacon, 374, 195, 0.3, 1.0, fn=lambda p: 0.5 + 0.5 * wave(p, 2)))
    halo = glow(c.f("halo"), 60, "#ffb850", 0.8)
    layers.append(Pulse(halo, 462, 314, 0.45, 0.95, fn=lambda p: flicker(p, 1),
                        compose="Screen"))
    fl = glow(c.f("fruitglow"), 6, "#e8f0ff")
    for i, (fx, fy) in enumerate(fruit):
        layers.append(Pulse(fl, round(fx) - 6, round(fy) - 6, 0.2, 0.9,
                            fn=lambda p, i=i: 0.5 + 0.5 * wave(p, 1, i * 0.27), compose="Screen"))
    layers += fireflies(c, [(100, 300, 30, 12), (190, 270, 22, 16), (60, 240, 18, 10)])
    return Scene(base, layers, zones={
        "gate_tower": [rect(352, 190, 448, 410), circle(400, 190, 48)],
        "gate_orchard": [poly([(64, 300), (206, 300), (186, 450), (40, 450)])],
        "gate_cove": [poly([(640, 318), (800, 310), (800, 450), (660, 450)])],
        "lantern": [ellipse(522, 376, 24, 28)],
    }, rects={
        "gate_tower": (400, 270, 96),
        "gate_orchard": (123, 375, 146),
        "gate_cove": (720, 380, 140),
    })


def orchard(work):
    c = Canvas(work, "orchard")
    sky = vgradient(c.f("sky"), [(0, "#060818"), (0.45, "#142044"), (0.68, "#283a66"),
                                 (0.7, "#101830"), (1, "#080c16")])
    moon = layer(c.f("moon"), [*style("#f4f0dc"), circle(640, 88, 38),
                               *style("#dcd6c0"), circle(628, 80, 7), circle(652, 100, 5),
                               circle(646, 74, 4)])
    far = layer(c.f("far"), [
        *silhouette(31, -8, 808, 300, 14, "#0e1630"),
        # the old well, far away between the trees
        *style("#3a4058", "#141828", 1), rect(676, 292, 712, 312), ellipse(694, 292, 18, 4),
        *style("#4a3a2a"), rect(678, 262, 681, 292), rect(707, 262, 710, 292),
        poly([(672, 264), (694, 252), (716, 264)]),
        *silhouette(32, -8, 808, 334, 8, "#0b1224"),
    ])
    trees, fruit = [], []
    for i, (x, y, h) in enumerate([(40, 380, 300), (230, 350, 230), (420, 340, 250),
                                   (600, 350, 200), (790, 390, 300)]):
        cmds, fr = tree(x, y, h, "#070a12", "#0f1a2e", 40 + i, "#e4ecff", 7)
        trees += cmds
        fruit += fr
    ground = layer(c.f("ground"), [
        *style("#0c1424"), poly([(-8, 360), (808, 352), (808, 450), (-8, 450)]),
        *style("#24304e"), poly([(0, 450), (0, 396), (60, 384), (96, 386), (200, 450)]),
        *style("#2c3858"), poly([(0, 450), (0, 420), (50, 404), (80, 405), (150, 450)]),
        *style("#2a2016", "#0c0a08", 1.5), rect(478, 360, 530, 392), ellipse(504, 360, 26, 7),
        *style("#4a3a2a"), ellipse(504, 360, 22, 5),
        *[cmd for k in range(60) for cmd in style("none", "#1c2a40", 1.2) + [
            line((k * 53) % 800, 372 + (k * 29) % 76, (k * 53) % 800 - 3, 362 + (k * 29) % 76),
            line((k * 53) % 800, 372 + (k * 29) % 76, (k * 53) % 800 + 4, 364 + (k * 29) % 76)]],
    ])
    apple = thing_sprite(c, "apple", 34)
    feather = thing_sprite(c, "feather", 44)
    base = compose(c.f("base"), sky, moon, far, layer(c.f("trees"), trees), ground,
                   (apple, 313, 376), (feather, 484, 318))
    layers = twinkle(c, 200, (0, 0, 800, 280), 120, front=(moon, c.f("trees"), far))
    layers.append(Pulse(glow(c.f("moonhalo"), 110, "#c8d4ff", 0.7), 530, -22, 0.5, 0.9,
                        compose="Screen"))
    layers.append(Roll(mist(c.f("mist"), 33, 800, 140, 400, "#8090b0"), 0, 300, dx=400,
                       alpha=0.6, compose="Screen"))
    fl = glow(c.f("fruitglow"), 7, "#eef4ff")
    for i, (fx, fy) in enumerate(fruit):
        layers.append(Pulse(fl, round(fx) - 7, round(fy) - 7, 0.15, 0.9,
                            fn=lambda p, i=i: 0.5 + 0.5 * wave(p, 1, i * 0.19), compose="Screen"))
    layers.append(Pulse(glow(c.f("appleglow"), 30, "#dce6ff", 0.6), 300, 363, 0.3, 0.8,
                        compose="Screen"))
    layers.append(Pulse(glow(c.f("wellglow"), 40, "#a0d0ff", 0.5), 654, 250, 0.2, 0.7,
                        fn=lambda p: 0.5 + 0.5 * wave(p, 1, 0.5), compose="Screen"))
    layers += fireflies(c, [(150, 280, 40, 14), (330, 250, 30, 20), (520, 300, 36, 12),
                            (700, 240, 24, 16), (260, 330, 20, 10)])
    return Scene(base, layers, zones={
        "orchard_gate": [poly([(0, 384), (72, 374), (196, 450), (0, 450)])],
        "orchard_well": [poly([(640, 236), (752, 236), (752, 336), (640, 336)])],
        "apple": [ellipse(330, 392, 21, 20)],
        "feather": [poly([(484, 318), (530, 318), (534, 396), (476, 396)])],
    }, rects={"orchard_gate": (80, 418, 150), "orchard_well": (696, 286, 112)})


def well(work):
    c = Canvas(work, "well")
    sky = vgradient(c.f("sky"), [(0, "#050c14"), (0.5, "#10283a"), (0.7, "#1c3a48"),
                                 (0.72, "#0c1a22"), (1, "#070d12")])
    woods = layer(c.f("woods"), [
        *silhouette(51, -8, 808, 250, 30, "#0a1820", step=12, rough=1.2),
        *silhouette(52, -8, 808, 300, 20, "#08141a", step=10, rough=1.0),
        *style("#0e1a20"), poly([(-8, 330), (808, 320), (808, 450), (-8, 450)]),
        *style("#1e3036"), poly([(0, 450), (0, 360), (60, 330), (120, 330), (180, 450)]),
        *style("#26383e"), poly([(0, 450), (0, 400), (50, 372), (96, 372), (140, 450)]),
    ])
    stones = []
    for row in range(4):
        for k in range(7):
            x = 334 + k * 20 + (10 if row % 2 else 0)
            if x < 466:
                stones += [rect(x, 304 + row * 19, min(x + 18, 468), 320 + row * 19)]
    wellpic = layer(c.f("well"), [
        *style("#4e4a48", "#1c1a18", 1.5), rect(330, 300, 470, 382), ellipse(400, 382, 70, 12),
        *style("#5c5856", "#24201e", 1), *stones,
        *style("#6a6460", "#24201e", 1.5), ellipse(400, 300, 72, 18),
        *style("#050808"), ellipse(400, 300, 58, 12),
        *style("#5a4028", "#1c140a", 1.5), rect(340, 200, 350, 300), rect(450, 200, 460, 300),
        rect(330, 206, 470, 214),
        *style("#3a2c22", "#140e0a", 1.5), poly([(316, 206), (400, 160), (484, 206)]),
        *style("none", "#8a7a60", 1.5), line(400, 214, 400, 250),
        *style("#6a5038", "#24180e", 1.2), poly([(388, 250), (412, 250), (409, 270), (391, 270)]),
    ])
    rope = thing_sprite(c, "rope", 60)
    base = compose(c.f("base"), sky, woods, wellpic, (rope, 208, 352))
    layers = twinkle(c, 300, (0, 0, 800, 230), 90, front=(woods, wellpic))
    layers.append(Pulse(glow(c.f("water"), 40, "#9ad8ff", 0.8), 360, 280, 0.15, 0.6,
                        fn=lambda p: 0.5 + 0.5 * wave(p, 2), compose="Screen"))
    layers.append(Roll(mist(c.f("mist1"), 53, 800, 200, 400, "#90b0c0", count=12), 0, 230,
                       dx=400, alpha=0.55, compose="Screen"))
    layers.append(Roll(mist(c.f("mist2"), 54, 800, 160, 200, "#a0c0d0", count=8), 0, 300,
                       dx=-200, alpha=0.45, compose="Screen"))
    layers += fireflies(c, [(220, 300, 40, 20), (560, 280, 50, 14), (640, 340, 30, 18),
                            (150, 240, 26, 12)], "#a0ffe0")
    return Scene(base, layers, zones={
        "well_orchard": [poly([(0, 330), (130, 326), (190, 450), (0, 450)])],
        "rope": [ellipse(238, 384, 32, 24)],
    }, rects={"well_orchard": (80, 390, 140)})


def cove(work):
    c = Canvas(work, "cove")
    sky = vgradient(c.f("sky"), [(0, "#0a0820"), (0.3, "#221a48"), (0.5, "#5a2e58"),
                                 (0.56, "#b0604a"), (0.57, "#262244"), (0.8, "#141830"),
                                 (0.8, "#3a3040"), (1, "#4a3c44")])
    sea = streaks(c.f("sea"), 61, 800, 104, 100, "#e08a6a", count=14, length=(6, 24))
    land = layer(c.f("land"), [
        # the lighthouse, a speck on the horizon
        *style("#141028"), poly([(270, 258), (284, 252), (312, 252), (326, 258)]),
        *style("#201c30"), rect(296, 232, 301, 253),
        # the cliff with its steps up to the gate
        *style("#161222"), poly([(590, 450), (610, 300), (640, 200), (690, 120), (808, 96),
                                  (808, 450)]),
        *style("#221c2e"), poly([(620, 450), (640, 330), (700, 230), (760, 160), (808, 150),
                                  (808, 450)]),
        *[cmd for k in range(11) for cmd in (
            style("#4a4050", "#1a1622", 1) +
            [rect(640 + (k % 2) * 30 + k * 9, 420 - k * 26, 700 + (k % 2) * 30 + k * 9,
                  428 - k * 26)])],
        # the wrecked rowboat
        *style("#3a2a20", "#140c08", 1.5),
        poly([(70, 392), (250, 372), (236, 404), (100, 414)]),
        *style("#5a4030"), poly([(76, 390), (248, 372), (244, 380), (84, 396)]),
        *style("none", "#2a1c14", 2), line(130, 386, 128, 408), line(180, 380, 180, 406),
        *style("#4a3424", "#140c08", 1), poly([(150, 380), (210, 340), (214, 344), (156, 384)]),
    ])
    shell = thing_sprite(c, "shell", 40)
    base = compose(c.f("base"), sky, (sea, 0, 258), land, (shell, 410, 376))
    layers = twinkle(c, 400, (0, 0, 800, 220), 120, front=(land,))
    layers.append(Roll(streaks(c.f("glint"), 62, 800, 104, 100, "#ffd0b0", count=8,
                               length=(4, 16)), 0, 258, dx=-100, alpha=0.8, compose="Screen",
                       mask=cutout(c.f("seamask"), 258, 104, (land,))))
    foam = layer(c.f("foam"), [*style("#e8e4f0"), "fill-opacity 0.5",
                               *[ellipse(x, 6 + 3 * ((x // 37) % 3), 40, 2.5)
                                 for x in range(-20, 640, 46)]], w=800, h=20)
    layers.append(Move(foam, (800, 20), lambda p: (400, 362 + 6 * wave(p, 1),
                                                   0.35 + 0.45 * (0.5 + 0.5 * wave(p, 1)))))
    layers.append(Pulse(glow(c.f("beacon"), 16, "#ffe0a0"), 282, 216, 0.2, 1.0,
                        fn=lambda p: max(0.0, wave(p, 2))))
    layers.append(Pulse(glow(c.f("shellglow"), 28, "#ffd8c8", 0.5), 402, 368, 0.2, 0.7,
                        compose="Screen"))
    return Scene(base, layers, zones={
        "cove_gate": [poly([(630, 120), (800, 96), (800, 450), (620, 450)])],
        "shell": [ellipse(430, 396, 22, 20)],
    }, rects={"cove_gate": (715, 290, 170)})
