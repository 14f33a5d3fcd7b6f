"""Vector drawing with ImageMagick's MVG language.

Pictures are drawn in their own unit space and rendered SS times larger, then reduced, so
edges come out smooth at any size.
"""
from tools import convert

SS = 4  # supersampling factor of small pictures


def render(out, w, h, commands, bg="none", ss=SS, post=(), design=None):
    """Renders MVG `commands`, drawn in a design space of `design` units (w x h when not
    given), into a w x h picture `out`."""
    k = ss * w / (design[0] if design else w)
    # Debian's ImageMagick policy forbids reading @files, so the MVG goes inline. Round
    # joins: ImageMagick 6 strokes a stray closing line on polylines with mitred joins.
    mvg = "\n".join([f"affine {k:g},0,0,{k:g},0,0", "stroke-linejoin round"] + list(commands))
    convert("-size", f"{w * ss}x{h * ss}", f"xc:{bg}", "-draw", mvg,
            "-filter", "Triangle", "-resize", f"{w}x{h}!", *post, out)
    return out


def poly(points):
    return "polygon " + " ".join(f"{x:g},{y:g}" for x, y in points)


def circle(cx, cy, r):
    return f"circle {cx:g},{cy:g} {cx + r:g},{cy:g}"


def ellipse(cx, cy, rx, ry, a0=0, a1=360):
    return f"ellipse {cx:g},{cy:g} {rx:g},{ry:g} {a0:g},{a1:g}"


def rrect(x0, y0, x1, y1, r):
    return f"roundrectangle {x0:g},{y0:g} {x1:g},{y1:g} {r:g},{r:g}"


def rect(x0, y0, x1, y1):
    return f"rectangle {x0:g},{y0:g} {x1:g},{y1:g}"


def line(x0, y0, x1, y1):
    return f"line {x0:g},{y0:g} {x1:g},{y1:g}"


def path(d):
    return f"path '{d}'"


def style(fill="none", stroke="none", width=1.0):
    return [f"fill {fill}", f"stroke {stroke}", f"stroke-width {width:g}"]
