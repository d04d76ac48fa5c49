#!/usr/bin/env bash
# Offscreen pictures of the carrier jet's panel with its speed-brake lever, of the type-3
# head-up display with its hoops (the carrier jet's description compiled with that display),
# and of 06FA, whose one runway lies on 090, with surveyed obstacles added to its generated
# quadrant (the scenery source knows none): a power line along the runway, a radio mast, the
# windsock flying in a southerly wind and the connector taxiways seen from the tower. Kept in
# the build tree (artefacts/scene_items) to be looked at and checked by pixels the faults
# left out: the lever's handle in its click column, hoops that come with the display's own
# switch, the pylons against the sky, the sock's orange and the connectors' yellow.
set -u
vantorel="$1"
build="$2"
here="$(cd "$(dirname "$0")" && pwd)"
source_dir="$(cd "$here/../.." && pwd)"
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
out="$build/artefacts/scene_items"
jet="$build/Aircraft/Carrier Jet F18/Carrier Jet F18.acf"
acfcompile="$build/tools/acfcompile/acfcompile"
[ -f "$jet" ] && [ -x "$acfcompile" ] || { echo "SKIP: no stock aircraft or acfcompile in $build"; exit 77; }
[ -f "$build/bitmaps/Vantorel/panl.BMP" ] || { echo "SKIP: no artwork in $build"; exit 77; }
command -v python3 > /dev/null || { echo "SKIP: no python3 to read the pictures"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }
mkdir -p "$out" && rm -f "$out"/*.png && cd "$work" && mkdir cfg

# run NAME AIRCRAFT SECONDS [AIRPORT DATA]: flies script NAME.txt from KSBD (or AIRPORT, with
# the data tree DATA); its shots land in $out.
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY timeout 240 "$vantorel" --screenshot "$work/$1-last.png" \
        --seconds "$3" --fixed-step --seed 7 --config-dir cfg --data-dir "${5:-$build}" \
        --aircraft "$2" --airport "${4:-KSBD}" --runway-end 0 --script "$1.txt" 2> "$1.err" > /dev/null
    local rc=$?
    [ $rc -eq 0 ] || fail "$1 run exited $rc: $(grep -v '^ ' "$1.err" | head -5)"
}

cat > panel.txt <<SCRIPT
at 0 weather clouds 0
at 0 time 12
at 0 air 3000 250
at 0.5 screenshot $out/carrier_jet_panel.png
SCRIPT
run panel "$jet" 0.6

cp -r "$source_dir/data/aircraft" hoops_src
sed -i 's/^HUDtype = 2 /HUDtype = 3 /' hoops_src/carrierjet/carrierjet.txt
grep -q '^HUDtype = 3 ' hoops_src/carrierjet/carrierjet.txt || fail "the description has no HUDtype line to change"
"$acfcompile" hoops_src/carrierjet/carrierjet.txt "$work/Hoops Jet.acf" > acfcompile.out 2>&1 ||
    fail "acfcompile: $(tail -3 acfcompile.out)"
cat > hoops.txt <<SCRIPT
at 0 weather clouds 0
at 0 weather vis 20
at 0 time 12
at 0 air 3000 250
at 0 ap-set hdg 60
at 0.5 screenshot $out/type3_hud_off.png
at 0.6 click 92 322
at 1.0 screenshot $out/type3_hud_hoops.png
SCRIPT
run hoops "$work/Hoops Jet.acf" 1.1

# 06FA's quadrant with its obstacles, in a data tree that is the build's but for that file.
awk '$28 == "06FA" && $6 == 90 { found = 1 } END { exit !found }' "$build/additional nav data/apt_dat" ||
    fail "06FA's runway is no longer on 090"
mkdir -p "tree/additional nav data/+20-090"
for e in "$build"/*; do [ "$(basename "$e")" = "additional nav data" ] || ln -s "$e" tree/; done
for e in "$build/additional nav data"/*; do ln -s "$e" "tree/additional nav data/"; done
{ awk 'BEGIN { for (k = 0; k < 12; k++) printf "4 26.910400 %.6f 100\n", -80.34 + 0.002 * k }'
  echo "3 26.915 -80.312 300    # a radio mast"; } > obstacles.txt
"$build/tools/scenerygen/scenerygen" tile --source "$build/scenery/earth.dat" --lat 26 --lon -81 \
    --out "tree/additional nav data/+20-090/+26-081.env" --obstacles obstacles.txt || fail "scenerygen tile with obstacles"
cat > airport.txt <<SCRIPT
at 0 weather clouds 0
at 0 weather vis 20
at 0 weather wndspd 20
at 0 weather wnddir 180
at 0 time 12
at 0 menu 504
at 0.5 screenshot $out/power_line_windsock.png
at 0.6 menu 513
at 1.0 screenshot $out/connectors_090.png
SCRIPT
run airport "$build/Aircraft/Trainer 172/Trainer 172.acf" 1.1 06FA "$work/tree"

for s in carrier_jet_panel type3_hud_off type3_hud_hoops power_line_windsock connectors_090; do
    [ -s "$out/$s.png" ] || fail "no $s.png"
done
CHECKS_DIR="$here" python3 - "$out" <<'PY'
import os, sys
sys.path.insert(0, os.environ["CHECKS_DIR"])
from png_pixels import read_png
out = sys.argv[1]
def rows(name):
    return read_png(os.path.join(out, name + ".png"))[2]
def count(r, x0, y0, x1, y1, pred):
    return sum(1 for y in range(y0, y1 + 1) for x in range(x0, x1 + 1) if pred(r[y][3 * x:3 * x + 3]))
failed = []
# The speed-brake lever's click column is x 692..712 between panel heights 70 and 138
# (picture rows 462..530): its white handle stands there.
white = lambda p: p[0] == 255 and p[1] == 255 and p[2] == 255
n = count(rows("carrier_jet_panel"), 692, 462, 712, 530, white)
if n < 30: failed.append("speed-brake handle: %d white pixels in its column" % n)
# The type-3 display comes with its HOOP switch: the 3-D view (rows 39..266) holds its green
# symbols and hoops only once the switch is pressed.
hud_green = lambda p: abs(p[0] - 51) <= 3 and p[1] >= 250 and abs(p[2] - 51) <= 3
off = count(rows("type3_hud_off"), 0, 39, 799, 266, hud_green)
on = count(rows("type3_hud_hoops"), 0, 39, 799, 266, hud_green)
if off > 20: failed.append("type-3 display: %d green pixels before its switch is pressed" % off)
if on < 300: failed.append("type-3 display: only %d green pixels with its switch on" % on)
# 06FA from the cockpit, looking 45 degrees left: the pylons stand grey-white against the sky
# above the horizon (row 300), the windsock's orange flies beside the runway's far end; from
# the tower the connectors' yellow turn-off lines lie beside the runway.
grey_white = lambda p: min(p) > 150 and max(p) - min(p) < 30
sock_orange = lambda p: p[0] > 170 and 50 < p[1] < 150 and p[2] < 80
shot = rows("power_line_windsock")
n = count(shot, 0, 40, 799, 295, grey_white)
if n < 40: failed.append("power line: %d pylon pixels against the sky" % n)
n = count(shot, 0, 250, 799, 320, sock_orange)
if n < 8: failed.append("windsock: %d orange pixels" % n)
turn_yellow = lambda p: p[0] > 180 and p[1] > 150 and p[2] < 90
n = count(rows("connectors_090"), 0, 39, 799, 599, turn_yellow)
if n < 2000: failed.append("connector taxiways on 090: %d yellow pixels" % n)
for f in failed: print("FAIL:", f)
sys.exit(1 if failed else 0)
PY
[ $? -eq 0 ] || exit 1
echo "ok"
