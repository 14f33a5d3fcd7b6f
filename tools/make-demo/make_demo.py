#!/usr/bin/python3
"""Makes every file of the demo game in game/ (except config.json and WALKTHROUGH.md, which
are written by hand) from the tools of a Debian system: ImageMagick draws, ffmpeg encodes,
sox makes sounds, espeak-ng speaks. The same run gives the same bytes.

    tools/make-demo/make_demo.py                 everything (a few minutes)
    tools/make-demo/make_demo.py screens verses  only those parts
    tools/make-demo/make_demo.py --out DIR       into another directory

Parts: fonts, langs, screens (intro, menu, cursors, credits), verses.
"""
import argparse
import json
import os
import shutil
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True  # no __pycache__ beside the sources

import audio  # noqa: E402
import cursors  # noqa: E402
import logos  # noqa: E402
import medallions  # noqa: E402
import screens  # noqa: E402
import texts  # noqa: E402
import verse_garden  # noqa: E402
import verse_keeper  # noqa: E402
from draw import render  # noqa: E402
from things_art import THINGS  # noqa: E402
from tools import mkdirs, reset_dir  # noqa: E402
from verse_model import (place_json, portal_json, things_json, verse_json,  # noqa: E402
                         write_json)

FONT_DIR = "/usr/share/fonts/truetype/dejavu"
FONT_LICENCE = "/usr/share/doc/fonts-dejavu-core/copyright"
FONTS = [  # slot: file, size
    ("System", "DejaVuSansMono.ttf", 14), ("Intro", "DejaVuSerif.ttf", 22),
    ("Meta", "DejaVuSerif-Bold.ttf", 20), ("Help", "DejaVuSans.ttf", 17),
    ("Credits", "DejaVuSerif.ttf", 24), ("Hover", "DejaVuSans-Bold.ttf", 16),
    ("Phrase", "DejaVuSerif-Italic.ttf", 24),
]
# Zone colours, given to a place's zones in order: far apart, so a player's eye (and the
# reveal of zone names) never confuses them.
ZONE_COLOURS = ["ff0000", "00ff00", "0000ff", "ffff00", "ff00ff", "00ffff", "ff8000", "8000ff"]


def note(msg):
    print("make-demo:", msg, flush=True)


def make_fonts(game):
    d = os.path.join(game, "fonts")
    reset_dir(d)
    cfg = {}
    for slot, name, size in FONTS:
        shutil.copyfile(os.path.join(FONT_DIR, name), os.path.join(d, name))
        cfg[slot + "File"], cfg[slot + "Size"] = name, size
    shutil.copyfile(FONT_LICENCE, os.path.join(d, "LICENSE-DejaVu.txt"))
    write_json(os.path.join(d, "fonts.json"), cfg)


def make_langs(game):
    d = os.path.join(game, "langs")
    reset_dir(d)
    write_json(os.path.join(d, "natives.json"), texts.NATIVES)
    for lang in texts.NATIVES:
        ld = os.path.join(d, lang)
        write_json(os.path.join(ld, "intro.json"), texts.INTRO[lang])
        write_json(os.path.join(ld, "meta.json"), texts.META[lang])
        with open(os.path.join(ld, "credits.txt"), "w", encoding="utf-8") as f:
            f.write(texts.CREDITS[lang])
        for i, page in enumerate(texts.HELP[lang]):
            with open(os.path.join(ld, f"help{i + 1}.txt"), "w", encoding="utf-8") as f:
                f.write(page)


def note_seq(notes, dur, wave="pluck", vol=1.0):
    return [["synth", f"{dur:g}", wave, f"{audio.freq(n):.2f}", "vol", f"{vol:g}",
             "fade", "q", "0.003", f"{dur:g}", f"{dur * 0.8:g}"] for n in notes]


def make_screens(game, work):
    anim = os.path.join(game, "animages")
    reset_dir(anim)
    logos.intro(anim)
    meta = os.path.join(anim, "meta")
    mkdirs(meta)
    logos.title(os.path.join(meta, "title.png"))
    logos.arrows(meta)
    cur = os.path.join(anim, "cursors")
    mkdirs(cur)
    cursors.make(cur, work)

    snd = os.path.join(game, "sounds")
    reset_dir(snd)
    for d in ("intro", "meta", "musics"):
        mkdirs(os.path.join(snd, d))
    audio.effect_mix(os.path.join(snd, "intro", "tovamere_enshaper.ogg"), work, "intro", [
        [["synth", "5", "sine", f"{audio.freq(48):.2f}", "sine", f"{audio.freq(55):.2f}",
          "fade", "h", "2", "5", "2.5"]],
        [["synth", "0.9", "sine", "0", "vol", "0"]] + note_seq([72, 76, 79, 84], 0.35) +
        note_seq([88], 2.6),
    ], effects=("reverb", "80", "50", "100"))
    m = lambda n: os.path.join(snd, "meta", n + ".ogg")
    audio.effect(m("choose_item"), work, "item", note_seq([88], 0.08, "sine", 0.6),
                 effects=("reverb", "20"))
    audio.effect(m("choose_verse"), work, "verse", [
        ["synth", "0.5", "pinknoise", "fade", "h", "0.2", "0.5", "0.3"]],
        effects=("highpass", "500", "lowpass", "3500", "reverb", "40"), gain=-6)
    audio.effect(m("select"), work, "select", note_seq([76, 83], 0.16) + note_seq([88], 0.6),
                 effects=("reverb", "50"))
    audio.effect(m("unselect"), work, "unselect", note_seq([88, 83], 0.16) + note_seq([76], 0.6),
                 effects=("reverb", "50"))
    audio.effect(m("turnover"), work, "turn", [
        ["synth", "0.28", "whitenoise", "fade", "q", "0.02", "0.28", "0.2", "tremolo", "35", "70"]],
        effects=("bandpass", "2500", "2000h", "reverb", "15"), gain=-8)
    audio.music(os.path.join(snd, "musics", "meta.ogg"), work, "meta", 52, "minor",
                [0, 5, 2, 6], 3.2, pattern=(0, 1, 2, 1, 2, 1), seed=11, arp_gain=0.4)
    audio.music(os.path.join(snd, "musics", "credits.ogg"), work, "credits", 53, "major",
                [0, 4, 5, 3, 0, 4, 3, 4], 2.6, pattern=(0, 2, 1, 2), seed=12)

    cin = os.path.join(game, "cinemas")
    reset_dir(cin)
    for name, fn in (("meta", screens.menu), ("credits", screens.credits)):
        note(f"cinema {name}")
        fn(work).make_cinema(os.path.join(work, name), os.path.join(cin, name + ".mp4"))


AMBIENT_EVENTS = {None: None, "crickets": audio.crickets, "drips": audio.drips,
                  "crackle": audio.crackle, "chimes": audio.chimes,
                  "ticks": lambda rnd, period: audio.ticks(period)}


def make_verse(v, verses, work):
    vd = os.path.join(verses, v.id)
    reset_dir(vd)
    write_json(os.path.join(vd, "verse.json"), verse_json(v))
    thing_ids = {th.id for th in v.things}
    for d in ("cinemas", "ambients", "musics", "things", "sounds/portals/loop",
              "sounds/portals/open", "speeches/eng/portals", "speeches/deu/portals"):
        mkdirs(os.path.join(vd, d))
    for c, circle in enumerate(v.circles):
        for n, place in enumerate(circle):
            note(f"{v.id}: place {place.id}")
            pdir = os.path.join(vd, "places", str(c), f"{n + 1:02d}_{place.id}")
            pwork = os.path.join(work, v.id, place.id)
            mkdirs(pdir)
            mkdirs(pwork)
            scene = place.scene(pwork)
            colours = {zid: ZONE_COLOURS[i] for i, zid in enumerate(scene.zones)}
            frames = scene.make_cinema(pwork, os.path.join(vd, "cinemas", place.id + ".mp4"))
            scene.make_zones(os.path.join(pdir, "zones.png"), colours)
            medallions.place_pictures(frames, place.crop, pdir, pwork, place.animated)
            if place.id == v.picture_from:
                medallions.verse_picture(os.path.join(frames, "0001.png"),
                                         os.path.join(vd, "picture.png"))
            write_json(os.path.join(pdir, "place.json"), place_json(
                place, {colours[z]: z for z in scene.zones if z in thing_ids}))
            for portal in v.portals_from(scene.zones):
                write_json(os.path.join(pdir, "portals", portal.id + ".json"),
                           portal_json(portal, colours[portal.id], scene.rects[portal.id]))
            bed, events = place.ambient
            audio.ambient(os.path.join(vd, "ambients", place.id + ".ogg"), pwork, "amb", bed,
                          AMBIENT_EVENTS[events], seed=len(place.id) * 7 + c)
    medallions.hidden(os.path.join(vd, "places", "hidden.png"), work)
    write_json(os.path.join(vd, "things", "things.json"), things_json(v))
    for th in v.things:
        render(os.path.join(vd, "things", th.id + ".png"), 72, 72, THINGS[th.id]())
    for name, spec in v.musics.items():
        note(f"{v.id}: music {name}")
        audio.music(os.path.join(vd, "musics", name + ".ogg"), work, f"{v.id}_{name}", **spec)
    for portal in v.portals:
        for lang, text in portal.speech.items():
            audio.speech(os.path.join(vd, "speeches", lang, "portals", portal.id + ".ogg"),
                         work, f"{v.id}_{lang}_{portal.id}", lang, text)
    snd = os.path.join(vd, "sounds", "portals")
    audio.drone(os.path.join(snd, "loop", "hum.ogg"), work, f"{v.id}_hum", [38, 45, 50, 57])
    audio.drone(os.path.join(snd, "loop", "choir.ogg"), work, f"{v.id}_choir", [50, 57, 62, 65, 69],
                trem=0.35)
    audio.effect_mix(os.path.join(snd, "open", "break.ogg"), work, f"{v.id}_break", [
        [["synth", "1.4", "pinknoise", "fade", "q", "0.01", "1.4", "1.3"]],
        note_seq([79, 84, 88, 91, 96], 0.09) + note_seq([100], 1.0)],
        effects=("highpass", "300", "reverb", "70"), gain=-4)
    audio.effect_mix(os.path.join(snd, "open", "bloom.ogg"), work, f"{v.id}_bloom", [
        [["synth", "1.8", "sine", f"{audio.freq(60):.2f}", "sine", f"{audio.freq(67):.2f}",
          "fade", "h", "0.05", "1.8", "1.2"]],
        note_seq([84, 91, 96, 103], 0.12, "sine", 0.5) + note_seq([108], 1.0, "sine", 0.4)],
        effects=("reverb", "80"), gain=-4)


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("parts", nargs="*", default=["fonts", "langs", "screens", "verses"])
    ap.add_argument("--out", default=os.path.join(HERE, "..", "..", "game"))
    ap.add_argument("--keep-work", action="store_true", help="keep the work files")
    args = ap.parse_args()
    game = os.path.abspath(args.out)
    mkdirs(game)
    work = tempfile.mkdtemp(prefix="make-demo-")
    try:
        if "fonts" in args.parts:
            note("fonts")
            make_fonts(game)
        if "langs" in args.parts:
            note("languages")
            make_langs(game)
        if "screens" in args.parts:
            note("screens")
            make_screens(game, work)
        if "verses" in args.parts:
            verses = os.path.join(game, "verses")
            reset_dir(verses)
            for v in (verse_keeper.VERSE, verse_garden.VERSE):
                make_verse(v, verses, work)
        states = os.path.join(game, "states")
        mkdirs(states)
        # The chosen verse's id as a bare JSON string; empty: the menu picks the first verse.
        with open(os.path.join(states, "verse.json"), "w") as f:
            json.dump("", f)
    finally:
        if args.keep_work:
            note(f"work files kept in {work}")
        else:
            shutil.rmtree(work, ignore_errors=True)
    note("done")


if __name__ == "__main__":
    main()
