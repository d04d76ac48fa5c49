#!/usr/bin/env bash
# The 3-D world drawn offscreen at fixed seeds and times, checked by characteristic pixels
# (scene_checks.py): the trainer on KSBD runway 06 at noon, 18 h and 22 h and under an
# overcast, a chase view of it in a left turn (started in the air, so the picture does not
# hang on a take-off), a carrier start, and a flight placed on the
# region's south-west corner so the region moves west and south under it before the shots,
# in haze and then over a cloud deck.
# The pictures stay in the build tree, tests/artifacts/screens.
set -u
vantorel="$1"
build="$2"
here="$(cd "$(dirname "$0")" && pwd)"
shots="$build/tests/artifacts/screens"
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
trainer="$build/Aircraft/Trainer 172/Trainer 172.acf"
bizjet="$build/Aircraft/Bizjet CJ3/Bizjet CJ3.acf"
[ -f "$trainer" ] && [ -f "$bizjet" ] || { echo "SKIP: no stock aircraft in $build"; exit 77; }
[ -f "$build/textures/grs.BMP" ] || { echo "SKIP: no artwork in $build"; exit 77; }
command -v python3 > /dev/null || { echo "SKIP: no python3 to read the pictures"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }
mkdir -p "$shots" "$work/cfg" && rm -f "$shots"/*.png
cd "$work"

# run NAME AIRCRAFT AIRPORT SECONDS: flies script NAME.txt (its shots land in $shots).
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY timeout 240 "$vantorel" --screenshot "$work/$1-last.png" \
        --seconds "$4" --fixed-step --seed 7 --config-dir cfg --data-dir "$build" \
        --aircraft "$2" --airport "$3" --runway-end 0 --script "$1.txt" 2> "$1.err"
    local rc=$?
    [ $rc -eq 0 ] || fail "$1 run exited $rc: $(grep -v '^ ' "$1.err" | head -5)"
}

cat > ground.txt <<EOF
at 0 weather clouds 0
at 0 weather vis 20
at 0 weather wndspd 0
at 0 time 12
at 0.5 screenshot $shots/noon.png
at 0.6 time 18
at 1.0 screenshot $shots/dusk.png
at 1.1 time 22
at 1.5 screenshot $shots/night.png
at 1.6 time 12
at 1.6 weather clouds 1
at 1.6 weather base 3000
at 1.6 weather tops 6000
at 2.0 screenshot $shots/overcast.png
EOF
run ground "$trainer" KSBD 2.1

cat > chase.txt <<EOF
at 0 weather clouds 0
at 0 weather vis 20
at 0 weather wndspd 0
at 0 time 12
at 0 air 3000 100
at 0 throttle 0.7
at 0 menu 516
at 1 roll -0.4
at 3 roll 0
at 5 screenshot $shots/chase.png
EOF
run chase "$trainer" KSBD 5.1

cat > carrier.txt <<EOF
at 0 weather clouds 0
at 0 weather vis 20
at 0 time 12
at 0.2 start 15
at 1.5 screenshot $shots/carrier.png
EOF
run carrier "$trainer" KSBD 1.6

# Start 10 puts the aircraft on the region's south-west corner (its custom start point):
# the region shifts west, then south, and the flight goes on north at 5000 ft.
cat > crosscountry.txt <<EOF
at 0 weather clouds 0
at 0 weather vis 20
at 0 time 12
at 0.2 start 10
at 0.2 pitch -0.3
at 0.2 throttle 0.6
at 0.3 ap alt
at 20 screenshot $shots/crosscountry.png
at 20.1 weather vis 3
at 20.5 screenshot $shots/crosscountry_haze.png
at 20.6 weather vis 20
at 20.6 weather clouds 1
at 20.6 weather base 1500
at 20.6 weather tops 2500
at 21.0 screenshot $shots/above_deck.png
EOF
run crosscountry "$bizjet" KICT 21.1

for s in noon dusk night overcast chase carrier crosscountry crosscountry_haze above_deck; do
    [ -s "$shots/$s.png" ] || fail "no $s.png"
done
python3 "$here/scene_checks.py" "$shots" || exit 1
echo "ok"
