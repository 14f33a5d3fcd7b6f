"""Music, ambient loops and sound effects made with sox, speech with espeak-ng; everything
is encoded as Ogg Vorbis (the engine's mixer loads whole Ogg files).

Loops are seamless: periodic material (notes, ticks, drips) is rendered three times over
and the middle period is kept, so echoes and reverb tails of the period before are already
sounding at its start exactly as they sound at its end; noise beds are cross-faded over
their own start.
"""
import os
import random

from tools import ESPEAK, run, sox, to_ogg

RATE = "44100"


def freq(midi):
    return 440.0 * 2 ** ((midi - 69) / 12)


def _chain(out, segments, channels=1):
    """One sox run that writes the synth segments one after another."""
    args = ["-n", "-r", RATE, "-c", str(channels), "-b", "16", out]
    for i, seg in enumerate(segments):
        if i:
            args.append(":")
        args += seg
    sox(*args)
    return out


def _mix(out, parts):
    """parts: (volume, file) pairs mixed into one file."""
    if len(parts) == 1:
        sox("-v", f"{parts[0][0]:g}", parts[0][1], out)
        return out
    args = ["-m"]
    for vol, f in parts:
        args += ["-v", f"{vol:g}", f]
    sox(*args, out)
    return out


def _middle(src, out, period, effects=()):
    """Applies effects to three periods of material and keeps the middle one."""
    sox(src, out, *effects, "trim", f"{period:g}", f"{period:g}")
    return out


def _crossfade_loop(src, out, period, fade, work, tag):
    """src holds period + fade seconds; its tail is faded into its head so the result of
    `period` seconds loops without a seam (equal-power fades suit uncorrelated noise)."""
    head = os.path.join(work, tag + "_head.wav")
    body = os.path.join(work, tag + "_body.wav")
    tail = os.path.join(work, tag + "_tail.wav")
    sox(src, head, "trim", "0", f"{fade:g}", "fade", "q", f"{fade:g}")
    sox(src, body, "trim", f"{fade:g}", f"{period - fade:g}")
    sox(src, tail, "trim", f"{period:g}", f"{fade:g}", "fade", "q", "0", f"{fade:g}", f"{fade:g}")
    joined = os.path.join(work, tag + "_joined.wav")
    _mix(joined, [(1, head), (1, tail)])
    sox(joined, body, out)
    return out


# --- music -----------------------------------------------------------------------------

SCALES = {"minor": [0, 2, 3, 5, 7, 8, 10], "major": [0, 2, 4, 5, 7, 9, 11],
          "dorian": [0, 2, 3, 5, 7, 9, 10]}


def _triad(root, scale, degree):
    s = SCALES[scale]
    notes = []
    for k in (0, 2, 4):
        d = degree + k
        notes.append(root + s[d % 7] + 12 * (d // 7))
    return notes


def music(out, work, tag, root, scale, degrees, bar, arp="pluck", pattern=(0, 1, 2, 1),
          octave=12, seed=0, pad_gain=0.5, arp_gain=0.5):
    """A looping piece: a soft pad and a low bass on the chords of `degrees` (one per bar),
    an arpeggio over them in `pattern`, with a few notes left out at random for air."""
    rnd = random.Random(seed)
    period = bar * len(degrees)
    pad, bass, melody = [], [], []
    step = bar / 8
    for deg in degrees:
        chord = _triad(root, scale, deg)
        pad.append(["synth", f"{bar:g}"] + [w for n in chord for w in ("sine", f"{freq(n):.3f}")] +
                   ["fade", "h", f"{bar * 0.3:g}", f"{bar:g}", f"{bar * 0.3:g}"])
        bass.append(["synth", f"{bar:g}", "sine", f"{freq(chord[0] - 12):.3f}",
                     "fade", "h", "0.05", f"{bar:g}", f"{bar * 0.5:g}"])
        for i in range(8):
            lift = 12 if i in (3, 7) and rnd.random() < 0.3 else 0
            n = chord[pattern[i % len(pattern)]] + octave + lift
            vol = 0 if rnd.random() < 0.18 else 1
            melody.append(["synth", f"{step:g}", arp, f"{freq(n):.3f}", "vol", str(vol),
                           "fade", "q", "0.005", f"{step:g}", f"{step * 0.6:g}"])
    # Three identical periods, so the middle one starts and ends with the same echoes.
    pad, bass, melody = pad * 3, bass * 3, melody * 3
    f = lambda n: os.path.join(work, f"{tag}_{n}.wav")
    # Several tones in one synth go to successive channels; the pad is rendered with three
    # channels and folded down to one.
    _chain(f("pad3"), pad, channels=3)
    sox(f("pad3"), f("pad"), "remix", "1,2,3")
    _chain(f("bass"), bass)
    _chain(f("mel"), melody)
    _mix(f("mix"), [(pad_gain * 0.5, f("pad")), (0.35, f("bass")), (arp_gain, f("mel"))])
    sox(f("mix"), "-c", "2", f("wide"), "remix", "1", "1", "reverb", "60", "50", "80", "100",
        "10", "0", "gain", "-n", "-3")
    _middle(f("wide"), f("loop"), period)
    to_ogg(f("loop"), out)


# --- ambient loops ---------------------------------------------------------------------

def ambient(out, work, tag, bed, events=None, period=12.0, fade=2.0, seed=0, gain=-6):
    """A looping ambience: a noise `bed` (sox synth arguments and effects) plus optional
    periodic `events` (a function giving synth segments for one period)."""
    f = lambda n: os.path.join(work, f"{tag}_{n}.wav")
    sox("-n", "-r", RATE, "-c", "2", "-b", "16", f("bedraw"), "synth", f"{period + fade:g}",
        *bed)
    _crossfade_loop(f("bedraw"), f("bed"), period, fade, work, tag)
    parts = [(1, f("bed"))]
    if events:
        segs = events(random.Random(seed), period)
        _chain(f("ev1"), segs * 3, channels=2)
        _middle(f("ev1"), f("ev"), period, ["echo", "0.8", "0.7", "90", "0.35", "reverb", "40"])
        parts.append((1, f("ev")))
    _mix(f("mix"), parts)
    sox(f("mix"), f("norm"), "gain", "-n", str(gain))
    to_ogg(f("norm"), out, quality=2)


def _scatter(rnd, period, count, length, sound):
    """`count` events of `length` seconds at seeded times, with silence between them, that
    fill exactly one period; sound(rnd) gives an event's synth arguments and effects."""
    times = sorted(rnd.uniform(0, period - length) for _ in range(count))
    segs, t = [], 0.0
    for at in times:
        at = max(at, t)  # an event never starts before the previous one has ended
        if at + length > period:
            break
        if at - t > 0.005:
            segs.append(["synth", f"{at - t:.3f}", "sine", "0", "vol", "0"])
        segs.append(["synth", f"{length:g}"] + sound(rnd))
        t = at + length
    segs.append(["synth", f"{period - t:.3f}", "sine", "0", "vol", "0"])
    return segs


def drips(rnd, period):
    """Drops falling into water, their pitch sliding down."""
    def drop(r):
        f0 = r.uniform(1400, 2200)
        return ["sine", f"{f0:.0f}-{f0 * 0.55:.0f}", "vol", "0.5", "fade", "q", "0.002", "0.09",
                "0.07"]
    return _scatter(rnd, period, 6, 0.09, drop)


def ticks(period, every=0.5, f0=2600, vol=0.6):
    n = round(period / every)
    return [["synth", "0.012", "square", str(f0 * (1.3 if k % 2 else 1)), "vol", str(vol),
             "fade", "q", "0.001", "0.012", "0.01", "pad", "0", f"{every - 0.012:.3f}"]
            for k in range(n)]


def chimes(rnd, period):
    """A wind chime's notes now and then, ringing out."""
    return _scatter(rnd, period, 5, 1.5, lambda r: [
        "sine", f"{freq(r.choice((84, 88, 91, 93, 96))):.2f}", "vol", "0.25", "fade", "q",
        "0.003", "1.5", "1.45"])


def crackle(rnd, period):
    """A torch's fire: short clicks of noise."""
    return _scatter(rnd, period, 40, 0.02, lambda r: [
        "whitenoise", "vol", f"{r.uniform(0.1, 0.35):.2f}", "fade", "q", "0.001", "0.02", "0.018"])


def crickets(rnd, period):
    """Crickets: high trills, each a short burst."""
    return _scatter(rnd, period, 10, 0.35, lambda r: [
        "sine", f"{r.uniform(4200, 4800):.0f}", "vol", "0.07", "tremolo", "32", "100", "fade",
        "q", "0.02", "0.35", "0.1"])


# --- effects and speech ----------------------------------------------------------------

def effect(out, work, tag, segments, effects=("reverb", "30"), gain=-3):
    f = lambda n: os.path.join(work, f"{tag}_{n}.wav")
    _chain(f("raw"), segments)
    sox(f("raw"), f("fx"), *effects, "gain", "-n", str(gain))
    to_ogg(f("fx"), out)


def effect_mix(out, work, tag, layers, effects=("reverb", "40"), gain=-3):
    """Several synth chains sounding together (each a list of segments)."""
    f = lambda n: os.path.join(work, f"{tag}_{n}.wav")
    parts = []
    for i, segs in enumerate(layers):
        _chain(f(f"l{i}"), segs)
        parts.append((1, f(f"l{i}")))
    _mix(f("mix"), parts)
    sox(f("mix"), f("fx"), *effects, "gain", "-n", str(gain))
    to_ogg(f("fx"), out)


def drone(out, work, tag, notes, period=8.0, fade=2.0, trem=0.25):
    """A looping chord for an open portal screen."""
    f = lambda n: os.path.join(work, f"{tag}_{n}.wav")
    sox("-n", "-r", RATE, "-c", str(len(notes)), "-b", "16", f("raw"), "synth",
        f"{period + fade:g}", *[w for n in notes for w in ("sine", f"{freq(n):.3f}")])
    sox(f("raw"), "-c", "2", f("st"), "remix", ",".join(str(i + 1) for i in range(0, len(notes), 2)),
        ",".join(str(i + 1) for i in range(1 if len(notes) > 1 else 0, len(notes), 2)),
        "tremolo", str(trem), "40", "reverb", "70", "gain", "-n", "-8")
    _crossfade_loop(f("st"), f("loop"), period, fade, work, tag)
    to_ogg(f("loop"), out, quality=2)


VOICES = {"eng": ("en-gb+m3", 132, 38), "deu": ("de+m3", 128, 38)}


def speech(out, work, tag, lang, text):
    """Spoken words for an unlocked portal: espeak-ng, slowed, with a hall's echo."""
    voice, speed, pitch = VOICES[lang]
    raw = os.path.join(work, tag + "_say.wav")
    run([ESPEAK, "-v", voice, "-s", str(speed), "-p", str(pitch), "-w", raw, text])
    fx = os.path.join(work, tag + "_fx.wav")
    sox(raw, "-r", RATE, fx, "pad", "0.2", "0.8", "reverb", "55", "50", "90", "gain", "-n", "-2")
    to_ogg(fx, out, quality=2)
