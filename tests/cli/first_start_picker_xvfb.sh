#!/usr/bin/env bash
# A new user's first start, full screen on a 1280 by 1024 desktop: after the welcome the file
# picker draws its folder list over the whole picture, and scripted clicks open "Aircraft",
# then "Trainer 172", then pick "Trainer 172.acf", which the simulator then flies.
set -u
vantorel="$1"
build="$2"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
[ -f "$build/Aircraft/Trainer 172/Trainer 172.acf" ] || { echo "SKIP: no stock aircraft in $build"; exit 77; }
command -v Xvfb > /dev/null || { echo "SKIP: Xvfb is not installed (scripts/setup.sh installs it)"; exit 77; }
command -v python3 > /dev/null || { echo "SKIP: no python3 to read the pictures"; exit 77; }

. "$here/xvfb_start.bash" 241 290 1280x1024x24
fail() { echo "FAIL: $*"; exit 1; }

# The picker (320 by 568) is centred: its list rows are 10 pixels from y 540 down, x from 250.
row_y() { echo $((544 - 10 * $1)); }
# The picker lists folders and aircraft files in byte order.
folder_row() {
    find "$1" -mindepth 1 -maxdepth 1 \( -type d -o -name '*.acf' \) -printf '%f\n' | LC_ALL=C sort | grep -nx "$2" | cut -d: -f1
}
aircraft=$(( $(folder_row "$build" Aircraft) - 1 ))
trainer=$(( $(folder_row "$build/Aircraft" "Trainer 172") - 1 ))
acf=$(( $(folder_row "$build/Aircraft/Trainer 172" "Trainer 172.acf") - 1 ))

cd "$work" && mkdir cfg
cat > run.txt <<SCRIPT
at 0 key enter                          # the software-renderer notice
at 0 key enter                          # the first-start welcome: the picker follows
at 0 screenshot picker.png
at 0 click 340 $(row_y $aircraft)       # Aircraft
at 0 click 340 $(row_y $trainer)        # Trainer 172
at 0 click 340 $(row_y $acf)            # Trainer 172.acf
at 0 key enter                          # no joystick: the mouse flies
SCRIPT
DISPLAY=":$display" timeout 120 "$vantorel" --frames 20 --fixed-step --script run.txt \
    --config-dir cfg --data-dir "$build" > out.txt 2> err.txt
rc=$?
[ $rc -eq 0 ] || fail "first start exited $rc (a missed click leaves the picker waiting): $(tail -5 err.txt)"
grep -q "Simulating Trainer 172.acf" Vantorel.out || fail "the trainer was not loaded: $(head -3 Vantorel.out)"
[ -s picker.png ] || fail "no picture of the picker"

# The list's ground is black over its whole box and its first row carries lit letters.
HERE="$here" python3 - picker.png <<'PY' || fail "the picker's list is not drawn"
import os, sys
sys.path.insert(0, os.environ.get("HERE", "."))
from png_pixels import read_png
w, h, rows = read_png(sys.argv[1])
s = w / 800.0                                  # the picture fills the width, bars above and below
top = (h - 600 * s) / 2
def px(x, y):                                  # picture pixel, y up
    r = int(top + (600 - y) * s)
    return rows[r][3 * int(x * s):3 * int(x * s) + 3]
dark = sum(max(px(x, y)) < 40 for x in range(255, 545, 5) for y in range(60, 520, 5))
lit = sum(min(px(x, y)[:2]) > 120 for x in range(270, 320) for y in range(540, 548))
print("picture %dx%d, dark list samples %d of %d, lit letter pixels %d" % (w, h, dark, 58 * 92, lit))
sys.exit(0 if w == 1280 and h == 960 and dark > 0.9 * 58 * 92 and lit > 20 else 1)
PY
echo "ok"
