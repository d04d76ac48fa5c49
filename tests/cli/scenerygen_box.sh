#!/usr/bin/env bash
# scenerygen pre-builds a box of quadrants in the simulator's layout with a progress line,
# keeps what is already there, makes the same bytes as a single tile, adds surveyed obstacles
# to the tile they stand in, and refuses bad boxes.
set -u
build="$2"
gen="$build/tools/scenerygen/scenerygen"
src="$build/scenery/earth.dat"
[ -x "$gen" ] || { echo "SKIP: no scenerygen"; exit 77; }
[ -f "$src" ] || { echo "SKIP: no scenery source in $build"; exit 77; }
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*"; exit 1; }

"$gen" build --source "$src" --out "$work/box" --lat-min -1 --lat-max 0 --lon-min -1 --lon-max 0 2> err.txt \
  || fail "box build failed: $(cat err.txt)"
for f in -10-010/-01-001.env -10+000/-01+000.env +00-010/+00-001.env +00+000/+00+000.env; do
  [ -f "$work/box/$f" ] || fail "missing $f"
done
grep -q '4/4 quadrants' err.txt || fail "no progress line: $(cat err.txt)"
grep -q '4 quadrants written, 0 already there' err.txt || fail "summary: $(cat err.txt)"

"$gen" tile --source "$src" --lat 0 --lon 0 --out "$work/one.env" || fail "tile failed"
cmp -s "$work/one.env" "$work/box/+00+000/+00+000.env" || fail "tile and box differ"

# Surveyed obstacles join the tile they stand in; a line that does not read is told and passed over.
printf '4 0.5 0.5 100\n4 1.5 0.5 100   # the next quadrant north\n4 0.5\n' > obstacles.txt
"$gen" tile --source "$src" --lat 0 --lon 0 --out "$work/towers.env" --obstacles obstacles.txt 2> err.txt ||
    fail "tile with obstacles failed: $(cat err.txt)"
grep -q "line 3: it needs type, latitude, longitude and height" err.txt || fail "bad obstacle line not told: $(cat err.txt)"
[ $(( $(stat -c %s towers.env) - $(stat -c %s one.env) )) -eq 24 ] || fail "not exactly the one obstacle of the quadrant written"

"$gen" build --source "$src" --out "$work/box" --lat-min 0 --lat-max 0 --lon-min 0 --lon-max 0 2> err.txt
grep -q '0 quadrants written, 1 already there' err.txt || fail "kept quadrant rewritten: $(cat err.txt)"

"$gen" build --source "$src" --out "$work/box" --lat-min 3 --lat-max 2 --lon-min 0 --lon-max 0 2> /dev/null
[ $? -eq 2 ] || fail "an empty box was not refused"
"$gen" tile --source "$work/one.env" --lat 0 --lon 0 --out "$work/x.env" 2> err.txt
[ $? -eq 1 ] || fail "a file that is no source was taken"
grep -q "is not a scenery source" err.txt || fail "no message for a bad source"
exit 0
