#!/usr/bin/env python3
"""Packs a verse directory into one input of the verse fuzz target.

    fuzz/pack_verse.py game/verses/garden > fuzz/corpus/verse/garden

The input holds entries "=== relative/path\\n" followed by the file's bytes. JSON files are
copied; pictures are shrunk with ImageMagick's nearest-pixel sampling (zone colours stay
exact) so the input stays small; sound files become empty files (a muted engine does not
read them); cinemas, ambients, musics and speeches are left out, as loading never reads them.
"""
import os
import subprocess
import sys

SKIP = {"cinemas", "ambients", "musics", "speeches"}


def main(root):
    out = sys.stdout.buffer
    for dirpath, dirnames, filenames in os.walk(root):
        rel = os.path.relpath(dirpath, root)
        dirnames[:] = sorted(d for d in dirnames if not (rel == "." and d in SKIP))
        if rel != "." and not filenames and not dirnames:
            out.write(b"=== " + rel.encode() + b"/\n")
        for name in sorted(filenames):
            path = os.path.join(dirpath, name)
            entry = os.path.normpath(os.path.join(rel, name))
            if name.endswith(".png"):
                data = subprocess.run(["convert", path, "-sample", "24x14", "-strip", "png:-"],
                                      check=True, capture_output=True).stdout
            elif name.endswith(".json"):
                with open(path, "rb") as f:
                    data = f.read()
            else:
                data = b""
            out.write(b"=== " + entry.encode() + b"\n" + data + b"\n")


if __name__ == "__main__":
    main(sys.argv[1])
