#!/usr/bin/env bash
# A new user's first start, full screen on a 1280 by 1024 desktop: after the welcome the file
# picker draws its list over the whole picture, and scripted clicks open "Aircraft", then
# "Trainer 172", then pick "Trainer 172.acf". Then the Location menu is worked with the mouse:
# Takeoff, the first airport of the region's list, the first end of its first runway; the log
# must find the aircraft standing on that runway, far from where it started.
set -u
vantorel="$1"
build="$2"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
apt="$build/additional nav data/apt_dat"
[ -f "$build/Aircraft/Trainer 172/Trainer 172.acf" ] || { echo "SKIP: no stock aircraft in $build"; exit 77; }
[ -f "$apt" ] || { echo "SKIP: no navigation data"; exit 77; }
command -v Xvfb > /dev/null || { echo "SKIP: Xvfb is not installed (scripts/setup.sh installs it)"; exit 77; }
command -v python3 > /dev/null || { echo "SKIP: no python3 to read the pictures"; exit 77; }

. "$here/xvfb_start.bash" 191 240 1280x1024
fail() { echo "FAIL: $*"; exit 1; }

# The picker (320 by 568, centred) lists folders and aircraft files in byte order, its rows
# 10 pixels apart from y 544 down.
row_y() { echo $((544 - 10 * ($(find "$1" -mindepth 1 -maxdepth 1 \( -type d -o -name '*.acf' \) -printf '%f\n' |
                                LC_ALL=C sort | grep -nx "$2" | cut -d: -f1) - 1))); }

# The default region round KSBD (corner 33 N 119 W, two degrees by three): its first airport in
# the data's order, that runway's centre and length, and where its runway menu opens (beside
# the airport list, as wide as its longest name cut to 25 letters).
read -r lat lon len_m sub_x < <(python3 - "$apt" <<'PY'
import sys
names, first = [], None
for line in open(sys.argv[1], errors="replace"):
    t = line.split()
    if len(t) < 29 or t[0] != "1" or not (33 <= float(t[1]) <= 35 and -119 <= float(t[2]) <= -116):
        continue
    first = first or (t[1], t[2], float(t[6]) * 0.3048)
    names.append(" ".join(t[28:])[:25])
location_x2 = 84 + 15 * 6 + 25            # the Location menu: from x 84, "Airport Name..." wide
print(*first, location_x2 + max(len(n) for n in names[:90]) * 6 + 25 + 6)
PY
)
[ -n "$sub_x" ] || fail "no airport in the region in $apt"

cd "$work" && mkdir cfg
cat > run.txt <<SCRIPT
at 0 key enter            # the software-renderer notice
at 0 key enter            # the first-start welcome: the picker follows
at 0 screenshot picker.png
at 0 click 340 $(row_y "$build" Aircraft)
at 0 click 340 $(row_y "$build/Aircraft" "Trainer 172")
at 0 click 340 $(row_y "$build/Aircraft/Trainer 172" "Trainer 172.acf")
at 0 key enter            # no joystick: the mouse flies
at 0.5 click 100 591      # Location
at 0.6 click 140 577      # Takeoff
at 0.7 click 205 577      # the first airport of the list
at 0.8 click $sub_x 577   # the first end of its first runway
SCRIPT
DISPLAY=":$display" timeout 120 "$vantorel" --frames 40 --fixed-step --script run.txt --log run.csv \
    --config-dir cfg --data-dir "$build" > out.txt 2> err.txt
rc=$?
[ $rc -eq 0 ] || fail "first start exited $rc (a missed click leaves the picker waiting): $(tail -5 err.txt)"
grep -q "Simulating Trainer 172.acf" Vantorel.out || fail "the trainer was not loaded: $(head -3 Vantorel.out)"

HERE="$here" python3 - picker.png run.csv "$lat" "$lon" "$len_m" <<'PY' || exit 1
import csv, math, os, sys
sys.path.insert(0, os.environ["HERE"])
from png_pixels import read_png
w, h, rows = read_png(sys.argv[1])
s, fails = w / 800.0, []
def px(x, y):                              # picture pixel, y up; bars above and below it
    return rows[int((h - 600 * s) / 2 + (600 - y) * s)][3 * int(x * s):3 * int(x * s) + 3]
# The list's ground is black over its whole box and its first row carries lit letters.
dark = sum(max(px(x, y)) < 40 for x in range(255, 545, 5) for y in range(60, 520, 5))
lit = sum(min(px(x, y)[:2]) > 120 for x in range(270, 320) for y in range(540, 548))
if (w, h) != (1280, 960) or dark < 0.9 * 58 * 92 or lit < 20:
    fails.append("picker picture %dx%d: %d dark list samples of %d, %d lit letter pixels" % (w, h, dark, 58 * 92, lit))
log = list(csv.DictReader(open(sys.argv[2])))
lat, lon, half = float(sys.argv[3]), float(sys.argv[4]), float(sys.argv[5]) / 2
far = lambda r: math.hypot((float(r["lat"]) - lat) * 111120, (float(r["lon"]) - lon) * 111120 * math.cos(math.radians(lat)))
if not (far(log[0]) > 5000 and far(log[-1]) < half + 20 and log[-1]["on_ground"] == "1"):
    fails.append("the aircraft is %.0f m from the runway's centre (half length %.0f m), started %.0f m away"
                 % (far(log[-1]), half, far(log[0])))
print("FAIL: " + "; ".join(fails) if fails else "ok")
sys.exit(1 if fails else 0)
PY
