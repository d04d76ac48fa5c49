#!/usr/bin/env python3
"""Checks the title of each settings window in its screenshot and puts all of them on one
contact sheet.   window_shots.py SHEET.png SHOT.png:DX:DY:TITLE ...
Each window is centred on the 800 by 600 screen; its title is dark 5 by 7 lettering centred
in the title bar, 6 px a character. Prints one line per window; exits 1 when a title is not
where it belongs."""
import struct
import sys
import zlib

from png_pixels import read_png

SCREEN_W, SCREEN_H, CHAR_W, TITLE_TEXT_Y, GLYPH_H = 800, 600, 6, 10, 7
DARK = 60            # every channel below this: a lettering dot on the title bar's grey
SLACK = 3            # pixels the lettering's ends may sit from where the width puts them
COLUMNS, SCALE, GAP = 5, 2, 8


def half_away(v):
    return int(v + 0.5) if v >= 0 else int(v - 0.5)


def window_box(dx, dy):
    """Left and top screen pixel of a centred window (rows counted from the top)."""
    x = half_away((SCREEN_W - dx) / 2)
    y = half_away((SCREEN_H - dy) / 2)
    return x, SCREEN_H - (y + dy)


def title_problem(rows, dx, dy, title):
    left, top = window_box(dx, dy)
    band = range(top + TITLE_TEXT_Y - GLYPH_H, top + TITLE_TEXT_Y + 1)
    cols = [c for c in range(left + 2, left + dx - 16)
            if any(max(rows[r][3 * c:3 * c + 3]) < DARK for r in band)]
    if not title:
        return None if not cols else "an untitled window has lettering in its title bar"
    if not cols:
        return "no title lettering"
    want_l = left + dx / 2 - CHAR_W * len(title) / 2
    want_r = want_l + CHAR_W * len(title) - 1
    if abs(cols[0] - want_l) > SLACK or abs(cols[-1] - want_r) > SLACK:
        return "lettering spans %d..%d, the title %r spans %.0f..%.0f" % (cols[0], cols[-1], title, want_l, want_r)
    return None


def write_png(path, w, h, pixel_rows):
    raw = b"".join(b"\x00" + bytes(r) for r in pixel_rows)
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xffffffff)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 6)) + chunk(b"IEND", b"")
    open(path, "wb").write(png)


def main():
    sheet_path, shots = sys.argv[1], [a.split(":", 3) for a in sys.argv[2:]]
    cell_w, cell_h = SCREEN_W // SCALE + GAP, SCREEN_H // SCALE + GAP
    lines = (len(shots) + COLUMNS - 1) // COLUMNS
    sheet = [bytearray([60, 60, 64] * (COLUMNS * cell_w)) for _ in range(lines * cell_h)]
    failed = 0
    for k, (path, dx, dy, title) in enumerate(shots):
        w, h, rows = read_png(path)
        problem = "picture is %dx%d" % (w, h) if (w, h) != (SCREEN_W, SCREEN_H) else title_problem(rows, int(dx), int(dy), title)
        print("%-28s %s" % (title or "(untitled)", problem or "ok"))
        failed |= problem is not None
        ox, oy = (k % COLUMNS) * cell_w + GAP // 2, (k // COLUMNS) * cell_h + GAP // 2
        for r in range(0, min(h, SCREEN_H), SCALE):
            src, dst = rows[r], sheet[oy + r // SCALE]
            for c in range(0, min(w, SCREEN_W), SCALE):
                dst[3 * (ox + c // SCALE):3 * (ox + c // SCALE) + 3] = src[3 * c:3 * c + 3]
    write_png(sheet_path, COLUMNS * cell_w, lines * cell_h, sheet)
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
