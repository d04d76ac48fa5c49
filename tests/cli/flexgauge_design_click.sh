#!/usr/bin/env bash
# A design window changed by scripted clicks: Flexgauge opens a copy of the trainer, Wing 2
# (Standard command 206, the outer wing panels) gets ten feet more semi-span from one click
# on its wheel, Save writes the file back; the saved file holds the new span on both sides
# and the aircraft is drawn wider than before.
set -u
build="$2"
flexgauge="$build/flexgauge"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
trainer="$build/Aircraft/Trainer 172/Trainer 172.acf"
[ -x "$flexgauge" ] || { echo "SKIP: no flexgauge in $build"; exit 77; }
[ -f "$trainer" ] || { echo "SKIP: no stock trainer in $build"; exit 77; }
command -v python3 > /dev/null || { echo "SKIP: no python3 to read the files"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }
cd "$work" && mkdir cfg && cp "$trainer" Wide.acf
run() { env -u DISPLAY -u WAYLAND_DISPLAY timeout 60 "$flexgauge" "$@" --config-dir cfg --data-dir "$build" 2>> err.txt; }

# The semi-span is the window's first row (y 336 up from the bottom), its wheel of five digits
# at x 124: the second column is tens of feet, its upper half adds.
printf 'at 0 menu 206\nat 0 click 139 344\nat 0 menu 102\n' > widen.txt
run Wide.acf --script widen.txt --frames 4 || fail "design run exited $?: $(tail -3 err.txt)"
span() { python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(); print("%.2f %.2f" % struct.unpack_from("<2f", d, 49585 + 6 * 4))' "$1"; }
read -r l0 r0 <<< "$(span "$trainer")"
read -r l1 r1 <<< "$(span Wide.acf)"
python3 -c "import sys; l0,l1,r1=map(float,sys.argv[1:]); sys.exit(0 if abs(l1-l0-10)<0.01 and r1==l1 else 1)" "$l0" "$l1" "$r1" \
    || fail "semi-span $l0 -> $l1 (right $r1), not ten feet more on both wings"

# Seen from the front, the wider aircraft spreads further across the picture.
printf 'at 0 menu 402\n' > front.txt
run "$trainer" --script front.txt --frames 3 --screenshot before.png || fail "before: exited $?"
run Wide.acf --script front.txt --frames 3 --screenshot after.png || fail "after: exited $?"
# The view is scaled to the aircraft's largest extent, so the wider aircraft shows as a
# flatter picture: its width over its height grows.
shape() { python3 "$here/fg_shot_check.py" "$1" | sed -n 's/.* over x \([0-9]*\)\.\.\([0-9]*\), y \([0-9]*\)\.\.\([0-9]*\).*/\1 \2 \3 \4/p'; }
read -r a0 b0 t0 u0 <<< "$(shape before.png)"
read -r a1 b1 t1 u1 <<< "$(shape after.png)"
[ -n "${u0:-}" ] && [ -n "${u1:-}" ] || fail "no aircraft in the pictures"
python3 -c "import sys; a0,b0,t0,u0,a1,b1,t1,u1=map(int,sys.argv[1:]); r0=(b0-a0)/max(1,u0-t0); r1=(b1-a1)/max(1,u1-t1); print('width over height %.2f before, %.2f after' % (r0, r1)); sys.exit(0 if r1 > r0 * 1.3 else 1)" \
    "$a0" "$b0" "$t0" "$u0" "$a1" "$b1" "$t1" "$u1" || fail "the drawn aircraft is not wider"
echo "semi-span $l0 -> $l1 ft"
echo "ok"
