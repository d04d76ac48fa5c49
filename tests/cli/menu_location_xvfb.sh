#!/usr/bin/env bash
# Under a virtual X display the Location menu is opened with the mouse, and Takeoff, the first
# airport of the region's list and the first end of its first runway are picked: the log then
# finds the aircraft standing on that runway, far from where it started.
set -u
vantorel="$1"
build="$2"
work="$(mktemp -d)"
plane="$build/Aircraft/Trainer 172/Trainer 172.acf"
apt="$build/additional nav data/apt_dat"
[ -f "$plane" ] || { echo "SKIP: no stock aircraft in $build"; exit 77; }
[ -f "$apt" ] || { echo "SKIP: no navigation data"; exit 77; }
command -v Xvfb > /dev/null || { echo "SKIP: Xvfb is not installed (scripts/setup.sh installs it)"; exit 77; }
command -v python3 > /dev/null || { echo "SKIP: no python3"; exit 77; }

. "$(dirname "$0")/xvfb_start.bash" 191 240
fail() { echo "FAIL: $*"; exit 1; }

# The region round KSBD (corner 33 N 119 W, two degrees by three): its first airport in the
# data's order, the runway's centre, length and heading, and where the runway submenu opens
# (beside the airport list, which is as wide as its longest name, cut to 25 letters).
read -r lat lon len_m sub_x < <(python3 - "$apt" <<'PY'
import sys
names, first = [], None
for line in open(sys.argv[1], errors="replace"):
    t = line.split()
    if len(t) < 29 or t[0] != "1":
        continue
    la, lo = float(t[1]), float(t[2])
    if not (33 <= la <= 35 and -119 <= lo <= -116):
        continue
    if first is None:
        first = (la, lo, float(t[6]) * 0.3048)
    if len(names) < 90:
        names.append(" ".join(t[28:])[:25])
location_x2 = 84 + 15 * 6 + 25            # the Location menu: from x 84, "Airport Name..." wide
print(first[0], first[1], first[2], location_x2 + max(len(n) for n in names) * 6 + 25 + 6)
PY
)
[ -n "$sub_x" ] || fail "no airport in the region in $apt"

cd "$work" && mkdir cfg
cat > run.txt <<SCRIPT
at 0 key enter            # the software-renderer notice
at 0 key enter            # the first-start welcome
at 0 key enter            # no joystick: the mouse flies
at 0.5 click 100 591      # Location
at 0.6 click 140 577      # Takeoff
at 0.7 click 205 577      # the first airport of the list
at 0.8 click $sub_x 577   # the first end of its first runway
SCRIPT
DISPLAY=":$display" timeout 120 "$vantorel" --frames 40 --fixed-step --script run.txt --log run.csv \
    --config-dir cfg --data-dir "$build" --aircraft "$plane" --airport KSBD > out.txt 2> err.txt
rc=$?
[ $rc -eq 0 ] || fail "windowed run exited $rc: $(tail -5 err.txt)"
grep -q "headless" err.txt && fail "ran without a window: $(cat err.txt)"

python3 - run.csv "$lat" "$lon" "$len_m" <<'PY' || fail "the aircraft is not on the runway picked"
import csv, math, sys
rows = list(csv.DictReader(open(sys.argv[1])))
lat, lon, half = float(sys.argv[2]), float(sys.argv[3]), float(sys.argv[4]) / 2
def metres(r):
    return math.hypot((float(r["lat"]) - lat) * 111120,
                      (float(r["lon"]) - lon) * 111120 * math.cos(math.radians(lat)))
start, last = rows[0], rows[-1]
print("start %.0f m, last %.0f m from the runway centre (half length %.0f m), on ground %s"
      % (metres(start), metres(last), half, last["on_ground"]))
sys.exit(0 if metres(start) > 5000 and metres(last) < half + 20 and last["on_ground"] == "1" else 1)
PY
echo "ok"
