"""What a place's cinema is made of, and how it becomes a video and a zones picture."""
import os

from cinema import encode, render_frames
from paint import zones


class Scene:
    """A painted place: the static picture, the layers composited over it in order (moving
    ones and still ones that must lie above them), and the zones of its doors and things in
    frame pixels.

    zones maps a portal or thing id to MVG shape commands; rects maps a portal id to the
    rectangle the next place's cinema grows out of: (centre x, centre y, width)."""

    def __init__(self, bg, layers=(), zones=None, rects=None):
        self.bg, self.layers = bg, list(layers)
        self.zones = zones or {}
        self.rects = rects or {}

    def make_cinema(self, work, out):
        frames = os.path.join(work, "frames")
        render_frames(self.bg, self.layers, frames)
        encode(frames, out)
        return frames

    def make_zones(self, out, colours):
        """colours maps each zone id to its six-digit colour."""
        zones(out, [(colours[zid], shape) for zid, shape in self.zones.items()])
