#!/usr/bin/env bash
# Offscreen pictures of the moving map at KSBD and of the graph window after a scripted flight,
# kept in the build tree (artefacts/map): four data groups and a fifth are chosen for the graph
# in Set Data Output, the trainer is put in the air over the field with the runway 06 localizer
# tuned and flies a turn for 50 s; then the graph window, and the enroute chart zoomed in twice.
# The pictures are read for the localizer's feather, the flown path, runways, VORs with their
# frequency boxes, and the graph's three value colours in four strips.
set -u
vantorel="$1"
build="$2"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
out="$build/artefacts/map"
plane="$build/Aircraft/Trainer 172/Trainer 172.acf"
[ -f "$plane" ] || { echo "SKIP: no stock aircraft in $build"; exit 77; }
grep -q " KSBD " "$build/additional nav data/apt_dat" 2> /dev/null || { echo "SKIP: no KSBD in the navigation data"; exit 77; }
command -v python3 > /dev/null || { echo "SKIP: no python3 to read the pictures"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }
mkdir -p "$out" && cd "$work" && mkdir cfg

# Window 7 (620 x 400) lies at 90, 100 on the screen: the graph's check box of group g is at
# 140, 440 - 13 g in the left column (0..24) and at 448, 440 - 13 (g - 25) in the right one.
# Chosen: 15 (speeds), 16 (climb), 23 (attitude), 26 (position) and 27, which the graph leaves out.
# The map (432 x 494) lies at 184, 53; its zoom-in button at 574, 501.
cat > script.txt <<'SCRIPT'
at 0 window 7
at 0.1 click 144 249
at 0.2 click 144 236
at 0.3 click 144 145
at 0.4 click 452 431
at 0.5 click 452 418
at 0.6 window 0
at 0.7 air 3000 120
at 0.8 nav 1 108.30
at 1 ap-set hdg 160
at 1 ap hdg
at 1 ap alt
at 51 window 22
at 51.3 screenshot graph.png
at 51.5 window 0
at 51.6 window 3
at 51.8 click 574 501
at 52.0 click 574 501
at 52.3 screenshot map.png
SCRIPT
env -u DISPLAY -u WAYLAND_DISPLAY timeout 400 "$vantorel" --screenshot last.png --seconds 52.6 --fixed-step --seed 1 --script script.txt \
    --config-dir cfg --data-dir "$build" --aircraft "$plane" --airport KSBD > /dev/null 2> err.txt || fail "run exited $?: $(tail -3 err.txt)"
for p in map.png graph.png; do [ -s "$p" ] || fail "no picture $p: $(tail -3 err.txt)"; done
cp map.png graph.png "$out/"
python3 "$here/map_graph_checks.py" map.png graph.png || fail "the pictures lack what they must show (kept in $out)"
echo "ok: pictures in $out"
