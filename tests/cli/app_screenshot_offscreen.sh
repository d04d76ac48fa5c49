#!/usr/bin/env bash
# Without any display, --screenshot draws offscreen and writes the picture: the menu bar at the
# top and the panel background below, where the panel bitmap of the data tree puts them. A
# script's own screenshot in the same run is written besides, not instead.
set -u
vantorel="$1"
build="$2"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
cd "$work" && mkdir cfg
plane="$build/Aircraft/Trainer 172/Trainer 172.acf"
panl="$build/bitmaps/Vantorel/panl.BMP"
[ -f "$plane" ] || { echo "SKIP: no stock aircraft in $build"; exit 77; }
[ -f "$panl" ] || { echo "SKIP: no artwork in $build"; exit 77; }
command -v python3 > /dev/null || { echo "SKIP: no python3 to read the picture"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }

env -u DISPLAY -u WAYLAND_DISPLAY timeout 120 "$vantorel" --screenshot shot.png --frames 2 \
    --config-dir cfg --data-dir "$build" --aircraft "$plane" 2> err.txt
rc=$?
[ $rc -eq 0 ] || fail "screenshot run exited $rc: $(cat err.txt)"
[ -s shot.png ] || fail "no shot.png: $(cat err.txt)"

# The bitmap's own pixel at screen (250, 3) (y up, clear of the instruments and the radio
# stack's own bitmap), read from the 54-byte-header BMP.
expect=$(python3 - "$panl" <<'PY'
import sys
d = open(sys.argv[1], "rb").read()
w = int.from_bytes(d[18:22], "little"); stride = (w * 3 + 3) & ~3
o = 54 + 3 * stride + 250 * 3
print(d[o + 2], d[o + 1], d[o])
PY
)
read -r size bar panel sky < <(python3 "$here/png_pixels.py" shot.png 795,8 250,596 400,150 | paste -sd'|' | tr ' ' '_' | tr '|' ' ')
[ "$size" = "800_600" ] || fail "picture is $size, not 800 by 600"
[ "$bar" = "204_204_204" ] || fail "menu bar pixel is $bar, not the bar's grey"
want=${expect// /_}
close=$(awk -v a="$panel" -v b="$want" 'BEGIN { split(a, p, "_"); split(b, q, "_");
    for (i = 1; i <= 3; i++) if (p[i] - q[i] > 2 || q[i] - p[i] > 2) { print 0; exit } print 1 }')
[ "$close" = 1 ] || fail "panel pixel is $panel, the panel bitmap has $want there"
[ "$panel" != "$sky" ] || fail "panel and 3-D view area look the same ($panel)"

echo "at 0.1 screenshot mid.png" > shots.txt
env -u DISPLAY -u WAYLAND_DISPLAY timeout 120 "$vantorel" --screenshot last.png --frames 6 --fixed-step \
    --script shots.txt --config-dir cfg --data-dir "$build" --aircraft "$plane" 2> err.txt
[ -s mid.png ] && [ -s last.png ] || fail "a scripted and a --screenshot shot in one run: $(ls ./*.png) $(cat err.txt)"
echo "ok"
