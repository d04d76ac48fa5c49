#!/usr/bin/env bash
# The ATC menu worked by a script: a row picked with atc-pick, then the same row reached with
# Enter and the arrows; each answer goes to standard error in a headless run, and the missing
# speech engine is told once. Offscreen, the answer shows in the view and the open menu shows
# its expected next step ("File flight plan") in yellow.
set -u
vantorel="$1"
build="$2"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
cd "$work" && mkdir cfg
plane="$build/Aircraft/Trainer 172/Trainer 172.acf"
[ -f "$plane" ] || { echo "SKIP: no stock aircraft in $build"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }

{
    echo "at 1 atc-pick 18"
    echo "at 2 key enter"
    for i in $(seq 1 18); do echo "at 2.$((10 + i)) key down"; done
    echo "at 3 key enter"
} > pick.txt
"$vantorel" --headless --fixed-step --seconds 4 --config-dir cfg --data-dir "$build" --aircraft "$plane" \
    --airport KSBD --script pick.txt 2> err.txt || fail "headless run failed: $(tail -3 err.txt)"
[ "$(grep -c '^ATC: Trainer 172 .* Wind ' err.txt)" -eq 2 ] || fail "expected two wind checks: $(grep ATC err.txt)"
[ "$(grep -c '^ATC: no speech' err.txt)" -eq 1 ] || fail "the missing speech is not told once: $(grep ATC err.txt)"

command -v python3 > /dev/null || { echo "SKIP: no python3 to read the pictures"; exit 77; }
printf 'at 1 atc-pick 18\nat 1.5 screenshot said.png\nat 2 key enter\nat 2.5 screenshot menu.png\n' > shots.txt
env -u DISPLAY -u WAYLAND_DISPLAY timeout 300 "$vantorel" --screenshot end.png --fixed-step --seconds 3 \
    --config-dir cfg --data-dir "$build" --aircraft "$plane" --airport KSBD --script shots.txt 2> err.txt \
    || fail "offscreen run failed: $(tail -3 err.txt)"
[ -s said.png ] && [ -s menu.png ] || { echo "SKIP: no offscreen pictures: $(tail -2 err.txt)"; exit 77; }
# Dots of a colour in a band of the picture (rows from the top): yellow (red and green high,
# blue low) or white.
dots_in() {
    python3 - "$here" "$@" <<'PY'
import sys
sys.path.insert(0, sys.argv[1])
from png_pixels import read_png
w, h, rows = read_png(sys.argv[2])
x0, x1, y0, y1 = (int(v) for v in sys.argv[4:8])
want = (lambda r, g, b: r > 200 and g > 150 and b < 100) if sys.argv[3] == "yellow" else \
       (lambda r, g, b: min(r, g, b) > 200)
print(sum(1 for y in range(y0, y1) for x in range(x0, x1) if want(*rows[y][3 * x:3 * x + 3])))
PY
}
# The phrase at (6, 535) up from the bottom; the menu's first row (marked) just below y 547
# and its last, "Wind check please!", in white near y 360, where the view has no such text.
[ "$(dots_in said.png yellow 6 300 57 66)" -gt 20 ] || fail "no phrase in the view"
[ "$(dots_in menu.png yellow 20 120 53 64)" -gt 20 ] || fail "the menu's marked row is not yellow"
[ "$(dots_in menu.png white 20 200 232 243)" -gt "$(( $(dots_in said.png white 20 200 232 243) + 20 ))" ] \
    || fail "no menu row 18 in white"
echo "ok"
