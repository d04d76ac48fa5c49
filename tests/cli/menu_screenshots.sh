#!/usr/bin/env bash
# Offscreen pictures of the open File, Location and Settings menus, opened with scripted
# clicks on their titles and kept in the build tree (artefacts/menus) to be looked at; each
# must show its menu's face where the flight's picture is when no menu is open.
set -u
vantorel="$1"
build="$2"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
out="$build/artefacts/menus"
plane="$build/Aircraft/Trainer 172/Trainer 172.acf"
[ -f "$plane" ] || { echo "SKIP: no stock aircraft in $build"; exit 77; }
command -v python3 > /dev/null || { echo "SKIP: no python3 to read the pictures"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }
mkdir -p "$out" && cd "$work" && mkdir cfg

# Titles from x 10, 6 pixels a letter and 10 between: File 50, Location 84, Settings 142.
cat > run.txt <<'SCRIPT'
at 0.3 screenshot closed.png
at 0.5 click 60 591
at 0.55 screenshot file.png
at 0.6 click 700 300         # anywhere else closes it
at 0.7 click 100 591
at 0.75 screenshot location.png
at 0.8 click 700 300
at 0.9 click 160 591
at 0.95 screenshot settings.png
SCRIPT
env -u DISPLAY -u WAYLAND_DISPLAY timeout 120 "$vantorel" --screenshot last.png --frames 25 --fixed-step \
    --script run.txt --config-dir cfg --data-dir "$build" --aircraft "$plane" > /dev/null 2> err.txt ||
    fail "offscreen run exited $?: $(tail -3 err.txt)"
for m in closed file location settings; do [ -s "$m.png" ] || fail "no picture $m.png: $(tail -3 err.txt)"; done
cp file.png location.png settings.png "$out/"

# One pixel inside each menu's box, left of its item texts, in picture pixels with y up.
face() { python3 "$here/png_pixels.py" "$1" "$2,$((599 - $3))" | tail -1; }
for check in "file.png 53 560" "location.png 87 400" "settings.png 145 450"; do
    set -- $check
    [ "$(face "$1" "$2" "$3")" = "204 204 204" ] || fail "$1: no menu face at ($2, $3): $(face "$1" "$2" "$3")"
    [ "$(face closed.png "$2" "$3")" = "204 204 204" ] && fail "the closed picture has a menu face at ($2, $3)"
done
echo "ok"
