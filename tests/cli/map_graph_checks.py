#!/usr/bin/env python3
"""Reads the pictures of the moving map at KSBD and of the graph window after a scripted
flight, and checks what they must show by counting pixels of the chart's and the graph's own
colours.   map_graph_checks.py MAP.png GRAPH.png
Exits 1, saying what is missing, when a picture lacks one of them."""
import sys

from png_pixels import read_png

SCREEN_H = 600
# Windows are centred on the 800 by 600 screen: the map (432 x 494) has its chart in the
# window's lower left 352 x 480, the graph window (620 x 420) its strips in x 76..604, y 40..390.
MAP_X, MAP_Y, CHART_W, CHART_H = 184, 53, 352, 480
GRAPH_X, GRAPH_Y, PLOT_X1, PLOT_X2, PLOT_Y1, PLOT_Y2 = 90, 90, 76, 604, 40, 390
FEATHER, PATH, RUNWAY, VOR, BOX = (255, 102, 102), (0, 230, 0), (0, 0, 204), (0, 128, 0), (255, 255, 255)
VALUE_COLOURS = [(0, 230, 0), (255, 0, 0), (255, 255, 0)]
BLACK = (0, 0, 0)


def near(p, c):
    return all(abs(p[k] - c[k]) <= 3 for k in range(3))


def count(rows, x0, x1, y0, y1, colour):
    """Pixels of the colour in screen x0..x1, y0..y1 (y up)."""
    n = 0
    for y in range(SCREEN_H - y1, SCREEN_H - y0):
        row = rows[y]
        n += sum(near(row[3 * x:3 * x + 3], colour) for x in range(x0, x1))
    return n


def strips(rows, x, y0, y1):
    """Runs of black at least 20 rows long down one column (gaps of a few rows where a
    value's line crosses are bridged)."""
    runs, length, gap = 0, 0, 0
    for y in range(SCREEN_H - y1, SCREEN_H - y0):
        if near(rows[y][3 * x:3 * x + 3], BLACK):
            length, gap = length + 1 + gap, 0
        elif length and gap < 4:
            gap += 1
        else:
            runs += length >= 20
            length, gap = 0, 0
    return runs + (length >= 20)


def main():
    failed = []
    _, _, m = read_png(sys.argv[1])
    chart = (MAP_X, MAP_X + CHART_W, MAP_Y, MAP_Y + CHART_H)
    for what, colour, least in (("the tuned localizer's feather", FEATHER, 200), ("the flown path", PATH, 15),
                                ("runways", RUNWAY, 20), ("VORs", VOR, 60), ("frequency boxes", BOX, 150)):
        n = count(m, *chart, colour)
        print(f"map: {what}: {n} pixels")
        if n < least:
            failed.append(f"map: {what}: {n} pixels of {colour}, at least {least} expected")
    _, _, g = read_png(sys.argv[2])
    plot = (GRAPH_X + PLOT_X1, GRAPH_X + PLOT_X2, GRAPH_Y + PLOT_Y1, GRAPH_Y + PLOT_Y2)
    for k, colour in enumerate(VALUE_COLOURS):
        n = count(g, *plot, colour)
        print(f"graph: value {k + 1}: {n} pixels")
        if n < 100:
            failed.append(f"graph: value {k + 1} ({colour}) hardly drawn: {n} pixels")
    s = strips(g, GRAPH_X + PLOT_X1 + 4, GRAPH_Y + PLOT_Y1, GRAPH_Y + PLOT_Y2)
    print(f"graph: {s} strips")
    if s != 4:
        failed.append(f"graph: {s} strips, the four first chosen groups expected")
    for f in failed:
        print("FAIL:", f)
    sys.exit(1 if failed else 0)


main()
