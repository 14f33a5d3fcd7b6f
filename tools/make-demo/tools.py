"""Thin wrappers around the Debian command-line tools that make every asset.

Every call is made so that the same inputs give byte-identical files: ImageMagick writes
PNG files without time stamps, ffmpeg runs single-threaded in bit-exact mode without
metadata, random sources take fixed seeds.
"""
import os
import shutil
import subprocess

CONVERT = "/usr/bin/convert"
FFMPEG = "/usr/bin/ffmpeg"
SOX = "/usr/bin/sox"
ESPEAK = "/usr/bin/espeak-ng"

# PNG output: no time or date chunks, so reruns give identical bytes.
PNG_CLEAN = ["-depth", "8", "-strip", "-define", "png:exclude-chunks=date,time"]

FFMPEG_BASE = [FFMPEG, "-hide_banner", "-loglevel", "error", "-y", "-nostdin"]
BITEXACT = ["-fflags", "+bitexact", "-flags", "+bitexact", "-map_metadata", "-1"]


def run(args, **kw):
    """Runs one tool; a failure stops the whole generator with the tool's own message."""
    args = [str(a) for a in args]
    res = subprocess.run(args, capture_output=True, text=True, **kw)
    if res.returncode != 0:
        raise SystemExit(f"make-demo: {' '.join(args[:6])} ... failed:\n{res.stderr}")
    return res.stdout


def convert(*args):
    """ImageMagick; the last argument is the output file."""
    args = [str(a) for a in args]
    out = args[-1]
    if out.endswith(".png"):
        args = args[:-1] + PNG_CLEAN + [out]
    run([CONVERT] + args)


def sox(*args):
    # -R: the noise generators start from the same seed on every run; -D: no dither.
    run([SOX, "-R", "-D", "-V1"] + list(args))


def ffmpeg(*args):
    run(FFMPEG_BASE + ["-threads", "1"] + list(args))


def to_ogg(src, dst, quality=3):
    """Encodes a WAV file as Ogg Vorbis, the format the engine's mixer reads."""
    ffmpeg("-i", src, "-c:a", "libvorbis", "-q:a", str(quality), *BITEXACT, dst)


def mkdirs(path):
    os.makedirs(path, exist_ok=True)


def reset_dir(path):
    shutil.rmtree(path, ignore_errors=True)
    os.makedirs(path)
