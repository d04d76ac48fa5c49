#!/usr/bin/env python3
"""Angle of a white needle round a dial centre: png_needle.py A.png B.png cx cy r1 r2.
The needle of picture A is taken as the white pixels of the ring r1..r2 about (cx, cy) that
are not white in picture B (the same dial with its needle elsewhere), so printed markings
cancel. (cx, cy) in window pixels with y up; prints degrees clockwise from straight up and
the pixel count."""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from png_pixels import read_png  # noqa: E402

a, b = read_png(sys.argv[1]), read_png(sys.argv[2])
cx, cy, r1, r2 = (float(v) for v in sys.argv[3:7])
w, h = a[0], a[1]
white = lambda rows, x, y: all(v >= 250 for v in rows[y][3 * x:3 * x + 3])
sx = sy = n = 0
for row in range(int(h - 1 - cy - r2), int(h - 1 - cy + r2) + 1):
    for x in range(int(cx - r2), int(cx + r2) + 1):
        dx, dy = x - cx, (h - 1 - row) - cy
        if not r1 <= math.hypot(dx, dy) <= r2:
            continue
        if white(a[2], x, row) and not white(b[2], x, row):
            sx, sy, n = sx + dx, sy + dy, n + 1
print("%.1f %d" % (math.degrees(math.atan2(sx, sy)) % 360 if n else -1, n))
