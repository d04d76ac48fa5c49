#!/usr/bin/env bash
# A headless run of 200 frames ends by itself with status 0 and leaves its two files; without
# a display a run asked for a window says it falls back to headless.
set -u
vantorel="$1"
build="$2"
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
cd "$work" && mkdir cfg
data="$build"                                    # the build's installation data tree
plane="$build/Aircraft/Trainer 172/Trainer 172.acf"
[ -f "$plane" ] || { echo "SKIP: no stock aircraft in $build"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }

"$vantorel" --headless --frames 200 --config-dir cfg --data-dir "$data" --aircraft "$plane" 2> err.txt
rc=$?
[ $rc -eq 0 ] || fail "headless run exited $rc: $(cat err.txt)"
[ -f Vantorel.out ] || fail "no Vantorel.out"
[ -f Error.out ] || fail "no Error.out"
grep -q "Welcome to Vantorel" Error.out || fail "first-start alert not logged in Error.out"
grep -q "No display found" err.txt && fail "notice printed although --headless was given"

rm -f Vantorel.out Error.out
env -u DISPLAY -u WAYLAND_DISPLAY "$vantorel" --frames 3 --config-dir cfg --data-dir "$data" --aircraft "$plane" 2> err.txt
rc=$?
[ $rc -eq 0 ] || fail "display-less run exited $rc"
[ "$(grep -c 'No display found: running without a window (headless).' err.txt)" -eq 1 ] || fail "missing one-line notice: $(cat err.txt)"

# --seconds counts simulated time: 1 s at a pinned 0.05 s period is 20 frames, logged 0.1 s apart.
"$vantorel" --headless --seconds 1 --fixed-step --log run.csv --config-dir cfg --data-dir "$data" --aircraft "$plane" 2> /dev/null || fail "--seconds run failed"
head -1 run.csv | grep -q '^time_s,lat,lon,alt_ft,ias_kt,pitch_deg,roll_deg,hdg_deg,vs_fpm,on_ground,alpha_deg,beta_deg,flap,gear,eng1_hp,eng1_rpm,eng1_gph,cas_kt,asi_needle_deg,alt_needle_deg,utc_s_of_hour,gs_kt,track_deg$' || fail "log header: $(head -1 run.csv)"
rows=$(($(wc -l < run.csv) - 1))
[ "$rows" -eq 11 ] || fail "expected 11 log rows (0.0 .. 1.0 s), got $rows"
cols=$(head -1 run.csv | awk -F, '{print NF}')
awk -F, -v n="$cols" 'NR>1 && NF!=n {exit 1}' run.csv || fail "a log row without $cols columns"
# Without --fixed-step the period follows the real clock, and without a window the frames come
# at a display's pace: 3 simulated seconds take about 3 real seconds (the period starts at
# 0.05 s and takes a second or so to settle, so allow some slack either way).
start=$(date +%s.%N)
timeout 60 "$vantorel" --headless --seconds 3 --config-dir cfg --data-dir "$data" --aircraft "$plane" 2> /dev/null
rc=$?
[ $rc -eq 0 ] || fail "adaptive --seconds run did not end by itself (status $rc)"
took=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { printf "%.2f", b - a }')
awk -v t="$took" 'BEGIN { exit !(t >= 1.5 && t <= 20) }' || fail "3 simulated seconds took $took real seconds"
echo "ok"
