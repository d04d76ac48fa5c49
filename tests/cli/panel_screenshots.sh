#!/usr/bin/env bash
# Offscreen pictures of the round-dial and the glass panel of every stock aircraft in level
# flight, kept in the build tree (artefacts/panels) to be looked at; then the trainer's
# airspeed and altimeter needles read from the pixels of two flights and found where the
# laws put them (the log's needle columns of the same frame).
set -u
vantorel="$1"
build="$2"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
out="$build/artefacts/panels"
[ -f "$build/Aircraft/Trainer 172/Trainer 172.acf" ] || { echo "SKIP: no stock aircraft in $build"; exit 77; }
[ -f "$build/bitmaps/Vantorel/panl.BMP" ] || { echo "SKIP: no artwork in $build"; exit 77; }
command -v python3 > /dev/null || { echo "SKIP: no python3 to read the pictures"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }
mkdir -p "$out" && cd "$work" && mkdir cfg

# shot NAME AIRCRAFT PANEL HEIGHT_FT SPEED_KT: a picture after half a second of flight
shot() {
    printf 'at 0 air %s %s\nat 0 panel %s\n' "$4" "$5" "$3" > "$1.txt"
    env -u DISPLAY -u WAYLAND_DISPLAY timeout 120 "$vantorel" --screenshot "$1.png" --frames 10 --fixed-step \
        --script "$1.txt" --log "$1.csv" --config-dir cfg --data-dir "$build" \
        --aircraft "$build/Aircraft/$2/$2.acf" > /dev/null 2> "$1.err" || fail "$2 panel $3 exited $?: $(tail -3 "$1.err")"
    [ -s "$1.png" ] || fail "no picture of $2 panel $3"
}

n=0
for plane in "$build"/Aircraft/*/; do
    name="$(basename "$plane")"
    [ -f "$plane/$name.acf" ] || continue
    for panel in 1 2; do
        kind=$([ $panel = 1 ] && echo conventional || echo glass)
        file="${name// /_}-$kind"
        shot "$file" "$name" $panel 3000 100
        read -r size < <(python3 "$here/png_pixels.py" "$file.png")
        [ "$size" = "800 600" ] || fail "$file.png is $size"
        cp "$file.png" "$out/"
        n=$((n + 1))
    done
done
[ $n -ge 14 ] || fail "only $n pictures: the seven stock aircraft are not all built"

# The law's angle of the last log row, and the needle in the picture against the other one.
law() { awk -F, -v c="$2" 'NR == 1 { for (i = 1; i <= NF; i++) if ($i == c) k = i; next } { v = $k } END { print v }' "$1.csv"; }
check() {   # STATE OTHER COLUMN CX CY
    want=$(law "$1" "$3")
    read -r got px < <(python3 "$here/png_needle.py" "$1.png" "$2.png" "$4" "$5" 8 33)
    [ "$px" -ge 10 ] || fail "$3 in $1: no needle pixels at ($4, $5)"
    gap=$(awk -v a="$got" -v b="$want" 'BEGIN { d = (a - b) % 360; if (d < 0) d += 360; if (d > 180) d = 360 - d; print d }')
    awk -v g="$gap" 'BEGIN { exit !(g <= 4) }' || fail "$3 in $1: needle at $got degrees, the law puts it at $want"
    echo "$3 $1: pixels $got, law $want"
}
shot slow "Trainer 172" 1 3000 90
shot fast "Trainer 172" 1 4700 125
# the trainer's top row: airspeed (66, 222), attitude, altimeter (324, 222)
for st in "slow fast" "fast slow"; do
    set -- $st
    check "$1" "$2" asi_needle_deg 66 222
    check "$1" "$2" alt_needle_deg 324 222
done
a=$(law slow asi_needle_deg); b=$(law fast asi_needle_deg)
awk -v a="$a" -v b="$b" 'BEGIN { exit !(b - a > 30) }' || fail "the two flights' airspeed needles are not apart ($a, $b)"
echo "ok: $n pictures in $out"
