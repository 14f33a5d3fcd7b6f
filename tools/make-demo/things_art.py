"""The things a player carries, drawn once in a 72-unit square.

The same drawing makes the inventory picture (72 x 72, the slot size) and the object as
it lies in a place's cinema, so the player recognises in the inventory what was taken.
"""
import math

from draw import circle, ellipse, line, path, poly, rect, rrect, style

UNIT = 72


def lantern():
    glow = []
    for r, a in ((34, 0.10), (28, 0.14), (22, 0.18)):
        glow += style(f"rgba(255,196,80,{a})") + [circle(36, 38, r)]
    return glow + [
        *style("none", "#2a2018", 2.6), path("M 27,15 C 27,3 45,3 45,15"),
        *style("#ffc040", "#2a2018", 1.4), rrect(23, 22, 49, 52, 4),
        *style("#fff0a0"), ellipse(36, 40, 6, 10),
        *style("#ffffff"), ellipse(36, 42, 2.5, 5),
        *style("none", "#3a2c20", 1.6), line(29.5, 22, 29.5, 52), line(42.5, 22, 42.5, 52),
        line(23, 37, 49, 37),
        *style("#4a3a2c", "#1a140e", 1.2), poly([(25, 14), (47, 14), (52, 23), (20, 23)]),
        poly([(20, 51), (52, 51), (50, 60), (22, 60)]),
        *style("#6a5640"), rect(33, 10, 39, 14),
    ]


def apple():
    return [
        *style("#a8b0c0", "#40485a", 1.6),
        path("M 36,24 C 28,16 13,19 13,36 C 13,53 26,63 36,58 C 46,63 59,53 59,36 "
             "C 59,19 44,16 36,24 Z"),
        *style("rgba(70,78,96,0.45)"), ellipse(45, 47, 11, 9),
        *style("#dde4ee"), ellipse(27, 37, 7, 12),
        *style("#ffffff"), ellipse(24, 33, 2.5, 6),
        *style("none", "#4a3a2a", 2.6), path("M 36,25 C 36,19 38,14 41,10"),
        *style("#7fa07a", "#3a5a36", 1), path("M 40,15 C 44,7 54,7 57,11 C 51,16 45,17 40,15 Z"),
    ]


def feather():
    barbs = []
    for i in range(2, 9):
        t = i / 10
        x, y = 18 + 39 * t, 62 - 55 * t
        barbs += [line(x, y, x - 6, y - 3), line(x, y, x + 5, y + 4)]
    return [
        *style("#d8dade", "#5a5e66", 1.2),
        path("M 18,62 C 8,44 26,16 57,7 C 62,28 46,54 18,62 Z"),
        *style("#7a828e"), path("M 57,7 C 46,10 38,17 36,23 C 46,24 55,17 57,7 Z"),
        *style("none", "#a4aab2", 0.9), *barbs,
        *style("none", "#4a4640", 1.8), path("M 13,69 C 24,50 38,27 57,7"),
    ]


def rope():
    ring = []
    for rx, ry in ((25, 17), (16, 11), (7, 5)):
        ring += [*style("none", "#5a4224", 7.5), ellipse(36, 40, rx, ry),
                 *style("none", "#c09458", 5.5), ellipse(36, 40, rx, ry),
                 "stroke-dasharray 2 3", *style("none", "#7a5a30", 1.4),
                 ellipse(36, 40, rx, ry), "stroke-dasharray none"]
    return ring + [
        *style("none", "#5a4224", 6.5), path("M 60,44 C 65,50 63,58 55,63"),
        *style("none", "#c09458", 4.5), path("M 60,44 C 65,50 63,58 55,63"),
    ]


def shell():
    ribs = []
    for k in range(-4, 5):
        a = math.radians(90 + k * 17)
        ribs.append(line(36, 58, 36 + 27 * math.cos(a), 58 - 27 * math.sin(a) * 1.3))
    edge = " ".join(f"{36 + 27 * math.cos(math.radians(90 + k * 3.4)):.2f},"
                    f"{58 - 27 * math.sin(math.radians(90 + k * 3.4)) * 1.3 + 2.5 * math.cos(k * 1.35):.2f}"
                    for k in range(-22, 23))
    return [
        *style("#f0c8b0", "#7a4a3a", 1.6), f"polygon 36,58 {edge}",
        *style("none", "#c07a64", 2.2), *ribs,
        *style("#e8b49a", "#7a4a3a", 1.4), poly([(24, 56), (48, 56), (44, 64), (28, 64)]),
        *style("#fff2e8"), ellipse(30, 30, 4, 2.5),
    ]


def key():
    return [
        *style("#d4a840", "#5a4010", 1.4),
        rect(29, 33, 63, 39), rect(52, 38, 56, 49), rect(58, 38, 62, 46),
        *style("none", "#5a4010", 7.5), circle(20, 36, 11),
        *style("none", "#d4a840", 5), circle(20, 36, 11),
        *style("none", "#fff0b0", 1.2), path("M 13,31 C 15,27 19,26 22,26"),
        *style("#fff0b0"), rect(32, 34, 60, 35),
    ]


def chart():
    stars = [(22, 28), (30, 34), (38, 26), (47, 33), (52, 44), (26, 46), (40, 48)]
    return [
        *style("#1c2850", "#0c1020", 1.2), rect(14, 18, 58, 56),
        *style("none", "#7fa0e0", 0.9), "polyline " + " ".join(f"{x},{y}" for x, y in stars[:5]),
        line(26, 46, 40, 48), line(40, 48, 52, 44),
        *style("#ffffff"), *[circle(x, y, 1.6) for x, y in stars],
        *style("#c0d0ff"), circle(45, 22, 1), circle(19, 39, 1), circle(33, 52, 1),
        *style("#e8dcbc", "#6a5a3a", 1.2), rrect(9, 12, 63, 20, 4), rrect(9, 54, 63, 62, 4),
        *style("#fffaf0"), rect(13, 14, 59, 15), rect(13, 56, 59, 57),
    ]


def hourglass():
    return [
        *style("rgba(190,225,255,0.35)", "#b8d4e4", 1.2),
        path("M 24,14 C 24,30 34,31 34,36 C 34,41 24,42 24,58 L 48,58 C 48,42 38,41 38,36 "
             "C 38,31 48,30 48,14 Z"),
        *style("#e6bc60"), poly([(27, 23), (45, 23), (37.5, 33), (34.5, 33)]),
        path("M 25,58 C 28,49 44,49 47,58 Z"),
        *style("none", "#e6bc60", 1.2), line(36, 33, 36, 52),
        *style("none", "#6a3e20", 3.4), line(21, 13, 21, 59), line(51, 13, 51, 59),
        *style("#8a5430", "#3a2010", 1.2), rrect(16, 7, 56, 14, 2), rrect(16, 58, 56, 65, 2),
        *style("#ffffff"), rect(27, 18, 28, 28),
    ]


def bell():
    return [
        *style("none", "#d8d0c0", 1.4), line(36, 2, 36, 17),
        *style("#b9803c", "#4a2c10", 1.4),
        path("M 23,46 C 23,26 28,15 36,15 C 44,15 49,26 49,46 L 53,51 L 19,51 Z"),
        *style("#e0b070"), path("M 28,44 C 28,30 30,21 34,18 C 32,26 31,34 31,44 Z"),
        *style("#4a2c10"), circle(36, 55, 3.5),
        *style("none", "#d8d0c0", 1), line(36, 55, 36, 60),
        *style("#d0503a", "#6a2018", 0.8), rect(32, 60, 40, 71),
    ]


THINGS = {
    "lantern": lantern, "apple": apple, "feather": feather, "rope": rope, "shell": shell,
    "key": key, "chart": chart, "hourglass": hourglass, "bell": bell,
}
