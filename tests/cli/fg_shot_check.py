#!/usr/bin/env python3
"""Checks that a design-tool screenshot shows an aircraft: fg_shot_check.py FILE.png [sky].
The view fills the picture below the menu bar (rows 18..599 from the top); its background is
the colour of the bottom-left corner (black, or with 'sky' a blue one). The aircraft's pixels
are those far from the background of their row; enough of them, spread over the view, pass.
Prints the reason and exits 1 when the picture fails."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from png_pixels import read_png  # noqa: E402

MIN_PIXELS, MIN_SPREAD = 800, 120
w, h, rows = read_png(sys.argv[1])
sky = len(sys.argv) > 2 and sys.argv[2] == "sky"
if (w, h) != (800, 600):
    sys.exit(f"picture is {w} by {h}, not 800 by 600")
count, left, right, top, bottom = 0, w, -1, h, -1
for y in range(18, h, 2):
    row = rows[y]
    ground = row[0:3]   # the background at this row's left edge (the sky shades by height)
    for x in range(0, w, 2):
        px = row[3 * x:3 * x + 3]
        if sum(abs(px[i] - ground[i]) for i in range(3)) > 60:
            count += 1
            left, right, top, bottom = min(left, x), max(right, x), min(top, y), max(bottom, y)
corner = rows[h - 1][0:3]
if sky and not (corner[2] > corner[0] + 40):
    sys.exit(f"background {list(corner)} is not the sky's blue")
if not sky and max(corner) > 10:
    sys.exit(f"background {list(corner)} is not black")
if count * 4 < MIN_PIXELS or right - left < MIN_SPREAD:
    sys.exit(f"no aircraft: {count * 4} pixels off the background over x {left}..{right}")
print(f"{count * 4} aircraft pixels over x {left}..{right}, y {top}..{bottom}")
