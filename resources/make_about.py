#!/usr/bin/env python3
"""Regenerates the About picture, about.jpg, in this folder.

    python3 make_about.py CJPEG [output-folder]

CJPEG is libjpeg's compressor from the build tree: after ./test,
`cmake --build build/libjpeg/fuzz/build --target cjpeg-static` makes
build/libjpeg/fuzz/build/cjpeg-static. ImageMagick's `convert` draws the picture with the
DejaVu fonts; cjpeg encodes it as a baseline JPEG, at the quality whose file
comes closest to TARGET_BYTES; the JFIF header then says version 1.02 and
100 x 100 dots per inch.

The picture, 250 x 298 pixels: an eye emblem (the viewer's mark) above the
name and the version, and the maker's details in a framed strip at the bottom.
The flat areas keep the colours below, which the decoder tests look for.
"""

import os
import subprocess
import sys
import tempfile

WIDTH, HEIGHT = 250, 298
TARGET_BYTES = 17120

PAPER = (244, 239, 228)      # background
INK = (35, 57, 91)           # outlines, name, strip
IRIS = (42, 157, 143)
GREY = (110, 110, 110)
STRIP_TEXT = (244, 239, 228)

STRIP_TOP, STRIP_BOTTOM = 236, 290  # the framed strip, 8 pixels from the sides


def rgb(c):
    return "rgb(%d,%d,%d)" % c


def draw_commands():
    cx, cy = 125, 88
    return [
        # The eye: an almond of two arcs, the iris, the pupil and a highlight.
        "-fill", rgb((255, 255, 255)), "-stroke", rgb(INK), "-strokewidth", "5",
        "-draw", "path 'M 45,%d Q 125,%d 205,%d Q 125,%d 45,%d Z'" % (cy, cy - 78, cy, cy + 78, cy),
        "-stroke", "none", "-fill", rgb(IRIS),
        "-draw", "circle %d,%d %d,%d" % (cx, cy, cx + 30, cy),
        "-fill", rgb(INK), "-draw", "circle %d,%d %d,%d" % (cx, cy, cx + 13, cy),
        "-fill", rgb((255, 255, 255)), "-draw", "circle %d,%d %d,%d" % (cx - 8, cy - 9, cx - 3, cy - 9),
        # Three lines of "text" under the eye: what it reads.
        "-stroke", rgb(IRIS), "-strokewidth", "3",
        "-draw", "line 80,140 170,140", "-draw", "line 92,149 158,149",
        "-stroke", "none",
        # The name and the version.
        "-fill", rgb(INK), "-font", "DejaVu-Serif-Bold", "-pointsize", "34",
        "-gravity", "north", "-annotate", "+0+160", "Scrivlet",
        "-fill", rgb(GREY), "-font", "DejaVu-Sans", "-pointsize", "16",
        "-annotate", "+0+205", "1.0",
        "-gravity", "northwest",
        # The maker's details in a framed strip.
        "-fill", rgb(INK), "-stroke", rgb(IRIS), "-strokewidth", "2",
        "-draw", "rectangle 8,%d %d,%d" % (STRIP_TOP, WIDTH - 9, STRIP_BOTTOM),
        "-stroke", "none", "-fill", rgb(STRIP_TEXT), "-font", "DejaVu-Sans", "-pointsize", "11",
        "-gravity", "north",
        "-annotate", "+0+%d" % (STRIP_TOP + 9), "The Scrivlet developers",
        "-annotate", "+0+%d" % (STRIP_TOP + 28), "Plain-text viewer for Windows, 2026",
    ]


def jfif_102_at_100_dpi(data):
    """Sets the JFIF version and density fields of the APP0 segment."""
    data = bytearray(data)
    if data[2:4] != b"\xff\xe0" or data[6:11] != b"JFIF\x00":
        raise SystemExit("no JFIF segment right after the start of image")
    data[11:13] = b"\x01\x02"          # version 1.02
    data[13] = 1                       # dots per inch
    data[14:18] = b"\x00\x64\x00\x64"  # 100 x 100
    return bytes(data)


def main():
    if len(sys.argv) < 2:
        raise SystemExit(__doc__)
    cjpeg = sys.argv[1]
    out_dir = sys.argv[2] if len(sys.argv) > 2 else os.path.dirname(os.path.abspath(__file__))
    with tempfile.TemporaryDirectory() as tmp:
        ppm = os.path.join(tmp, "about.ppm")
        subprocess.run(["convert", "-size", "%dx%d" % (WIDTH, HEIGHT), "xc:" + rgb(PAPER)]
                       + draw_commands() + ["-depth", "8", "ppm:" + ppm], check=True)
        best = None
        for quality in range(50, 101):
            jpeg = subprocess.run([cjpeg, "-quality", str(quality), "-baseline", ppm],
                                  check=True, stdout=subprocess.PIPE).stdout
            if best is None or abs(len(jpeg) - TARGET_BYTES) < abs(len(best) - TARGET_BYTES):
                best = jpeg
    with open(os.path.join(out_dir, "about.jpg"), "wb") as f:
        f.write(jfif_102_at_100_dpi(best))
    print("about.jpg: %d bytes" % len(best))


if __name__ == "__main__":
    main()
