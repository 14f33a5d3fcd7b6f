"""The shape of a verse as the generator describes it, and its files as the engine reads
them: verse.json, the places with place.json and portal files, things.json."""
import json
import os


def t(eng, deu):
    """A text in both languages: the engine's localised map."""
    return {"eng": eng, "deu": deu}


class Thing:
    def __init__(self, tid, title):
        self.id, self.title = tid, title


class Phrase:
    """completes: (thing id, text) pairs; the first names the thing that satisfies it."""

    def __init__(self, content, completes):
        self.content, self.completes = content, completes


class Portal:
    def __init__(self, pid, dest, phrases, speech):
        self.id, self.dest, self.phrases, self.speech = pid, dest, phrases, speech


class Place:
    """crop: (x, y, side) of the cinema that its round overview pictures show.
    ambient: (noise bed, name of a kind of periodic events or None)."""

    def __init__(self, pid, title, scene, crop, music, ambient, animated=False):
        self.id, self.title, self.scene, self.crop = pid, title, scene, crop
        self.music, self.ambient, self.animated = music, ambient, animated


class Verse:
    def __init__(self, vid, title, descript, version, date, authors, comments, circles,
                 things, portals, musics, picture_from):
        self.id, self.title, self.descript = vid, title, descript
        self.version, self.date, self.authors, self.comments = version, date, authors, comments
        self.circles, self.things, self.portals = circles, things, portals
        self.musics, self.picture_from = musics, picture_from

    def portals_from(self, scene_zones):
        """The portals whose zones a place's scene draws, in the verse's order."""
        return [p for p in self.portals if p.id in scene_zones]


def write_json(path, value):
    """Data files: UTF-8, two-space indents, a final newline, keys in the given order."""
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        json.dump(value, f, ensure_ascii=False, indent=2)
        f.write("\n")


def verse_json(v):
    return {"Title": v.title, "Descript": v.descript, "Version": v.version, "Date": v.date,
            "Authors": v.authors, "Languages": ["eng", "deu"], "Comments": v.comments,
            "Format": "orlevanth1"}


def place_json(place, colour2thing):
    return {"Title": place.title, "HexColor2Thing": colour2thing,
            "Cinema": place.id + ".mp4", "Ambient": place.id + ".ogg",
            "Music": place.music + ".ogg"}


def portal_json(portal, colour, rect):
    cx, cy, w = rect
    return {"Destination": portal.dest, "HexColor": colour, "RectCenter": [cx, cy],
            "RectWidth": w,
            "Phrases": [{"Content": ph.content,
                         "Completes": [{"Thing": tid, "Content": text}
                                       for tid, text in ph.completes]}
                        for ph in portal.phrases]}


def things_json(v):
    return [{"Id": th.id, "Title": th.title, "Pic": th.id + ".png"} for th in v.things]
