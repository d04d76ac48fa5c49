#!/usr/bin/env python3
"""Checks the characteristic pixels of the scene screenshots that app_scene_screens.sh takes:
scene_checks.py DIR. The 3-D view of the cockpit with its panel spans rows 39..266 (from the
top); the head-up display draws between x 200 and 580, so the samples keep left of it.
Prints one line per failed check and exits 1 when any failed."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from png_pixels import read_png  # noqa: E402

shots = {}
failed = []


def shot(name):
    if name not in shots:
        shots[name] = read_png(os.path.join(sys.argv[1], name + ".png"))[2]
    return shots[name]


def mean(name, x0, y0, x1, y1):
    rows, s, n = shot(name), [0, 0, 0], 0
    for y in range(y0, y1):
        for x in range(x0, x1):
            for c in range(3):
                s[c] += rows[y][3 * x + c]
            n += 1
    return [v / n for v in s]


def count(name, x0, y0, x1, y1, test):
    rows = shot(name)
    return sum(1 for y in range(y0, y1) for x in range(x0, x1) if test(*rows[y][3 * x:3 * x + 3]))


def where(name, x0, y0, x1, y1, test):
    rows = shot(name)
    return [(x, y) for y in range(y0, y1) for x in range(x0, x1) if test(*rows[y][3 * x:3 * x + 3])]


def check(ok, what, *values):
    if not ok:
        failed.append(what + ": " + " ".join(str([round(c) for c in v]) if isinstance(v, list) else str(v)
                                          for v in values))


def grey(c, tol):
    return max(c) - min(c) <= tol


VIEW = (0, 39, 800, 267)
SKY = (20, 45, 190, 135)         # well above the horizon, left of the head-up display
GRASS = (20, 152, 190, 162)      # just below it, beside the runway
PAVEMENT = (380, 235, 420, 262)  # straight ahead at the bottom: the runway's centre

# Noon on runway 06: a blue sky brighter than the grass, the runway ahead with its markings,
# and not one black pixel in the sky (a sky box cut by the far plane leaves black holes).
sky, grass, pave = mean("noon", *SKY), mean("noon", *GRASS), mean("noon", *PAVEMENT)
check(sum(sky) > sum(grass) + 60, "noon sky not brighter than the ground", sky, grass)
check(sky[2] > sky[0] + 60, "noon sky not blue", sky)
check(grass[1] > grass[0] and grass[1] > grass[2], "no grass beside the runway", grass)
check(grey(pave, 20) and 40 < pave[0] < 200, "no grey pavement ahead", pave)
check(count("noon", 0, 160, 800, 267, lambda r, g, b: min(r, g, b) > 200) > 500, "no runway markings ahead")
check(count("noon", 0, 39, 800, 140, lambda r, g, b: max(r, g, b) < 20) == 0, "black pixels in the noon sky")

# 18 h: the sunset tint turns the clear sky red.
dusk = mean("dusk", *SKY)
check(dusk[0] > dusk[2] + 20, "no sunset tint in the 18 h sky", dusk)

# 22 h: a dark world with the runway and city lights lit.
night_sky, night_ground = mean("night", *SKY), mean("night", 0, 160, 800, 267)
check(sum(night_sky) < 60 and sum(night_ground) < 150, "the 22 h scene is not dark", night_sky, night_ground)
# Bright points ahead along the runway that are not the head-up display's green.
lights = count("night", 300, 140, 500, 200,
               lambda r, g, b: max(r, g, b) > 120 and not (g > 150 and r < 100 and b < 100))
check(lights >= 10, "runway lights not lit at 22 h", lights)

# Under an overcast: a grey sky, darker than the clear noon sky.
ocast = mean("overcast", *SKY)
check(grey(ocast, 15), "overcast sky not grey", ocast)
check(sum(ocast) < sum(sky) - 30, "overcast sky not darker than the clear one", ocast, sky)

# Chase view in a left turn: the aircraft's own grey pixels against the green ground ahead of
# the eye, its red left-wing light below its green right-wing light.
body = count("chase", 340, 138, 460, 230, lambda r, g, b: grey((r, g, b), 20) and 40 < max(r, g, b) < 240)
check(body >= 20, "no aircraft in the chase view", body)
red = where("chase", *VIEW, lambda r, g, b: r > 180 and g < 90 and b < 90)
green = where("chase", *VIEW, lambda r, g, b: g > 180 and r < 90 and b < 90)
check(red and green, "navigation lights missing in the chase view", len(red), len(green))
if red and green:
    check(sum(y for _, y in red) / len(red) > sum(y for _, y in green) / len(green),
          "left wing not down in the left turn", red[:3], green[:3])

# Carrier start: the ship's dark hull and grey deck stand out of the blue water ahead.
hull = lambda r, g, b: grey((r, g, b), 25) and max(r, g, b) < 200
ship, beside = count("carrier", 340, 140, 460, 200, hull), count("carrier", 20, 140, 140, 200, hull)
water = mean("carrier", 20, 200, 190, 262)
check(water[2] > water[0] + 40, "no sea under the carrier approach", water)
check(ship >= 40 and beside < 5, "no carrier ahead (grey pixels ahead, beside)", ship, beside)

# The cross-country over Kansas after the region moved west and south: terrain below the
# horizon; in haze the ground merges into the fog, which has the sky's colour at the horizon.
xc_ground, xc_sky = mean("crosscountry", 20, 190, 190, 262), mean("crosscountry", *SKY)
check(xc_ground[1] > xc_ground[2] + 15, "no terrain after the region shifts", xc_ground)
check(xc_sky[2] > xc_sky[0] + 60, "no sky after the region shifts", xc_sky)
horizon, below = mean("crosscountry_haze", 20, 140, 190, 146), mean("crosscountry_haze", 20, 190, 190, 262)
check(all(abs(a - b) <= 12 for a, b in zip(horizon, below)), "fog colour is not the sky's at the horizon",
      horizon, below)

# Over an overcast whose tops lie below: the deck's white-grey below the horizon, where the
# clear flight saw green terrain.
deck = mean("above_deck", 20, 190, 190, 262)
check(grey(deck, 30) and min(deck) > 120, "no cloud deck below the aircraft above the tops", deck)

for f in failed:
    print("FAIL: " + f)
sys.exit(1 if failed else 0)
