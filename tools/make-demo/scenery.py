"""Pieces that several cinemas share: things lying in a place, twinkling stars,
fireflies, and stacking pictures into a still."""
from cinema import Move, Pulse, wave
from draw import render
from paint import dot, stars
from things_art import THINGS
from tools import convert


def compose(out, base, *placed):
    """Stacks pictures onto base: each entry is a picture path or (path, x, y)."""
    args = [base]
    for item in placed:
        png, x, y = item if isinstance(item, tuple) else (item, 0, 0)
        args += [png, "-geometry", f"+{x}+{y}", "-compose", "Over", "-composite"]
    convert(*args, out)
    return out


def thing_sprite(c, tid, size):
    return render(c.f("thing_" + tid), size, size, THINGS[tid](), design=(72, 72))


def twinkle(c, seed, area, count=160, front=()):
    """Three star fields that brighten and dim out of step; the pictures in `front`
    (trees, hills, walls) hide the stars behind them."""
    out = []
    for k in range(3):
        png = stars(c.f(f"stars{k}"), seed + k, count // 3, area)
        for f in front:
            convert(png, f, "-compose", "DstOut", "-composite", png)
        out.append(Pulse(png, lo=0.35, hi=1.0,
                         fn=lambda p, k=k: 0.5 + 0.5 * wave(p, 1 + k % 2, k / 3)))
    return out


def fireflies(c, spots, colour="#d8ff90"):
    png = dot(c.f("firefly"), 7, colour)
    out = []
    for i, (x, y, ax, ay) in enumerate(spots):
        out.append(Move(png, (14, 14), lambda p, x=x, y=y, ax=ax, ay=ay, i=i: (
            x + ax * wave(p, 1, i * 0.17), y + ay * wave(p, 2, i * 0.31),
            0.25 + 0.75 * (0.5 + 0.5 * wave(p, 2 + i % 2, i * 0.23)))))
    return out
