#!/usr/bin/env bash
# Under a virtual X display the trainer is flown off KSBD with the keyboard alone: the parking
# brake released with b, full power with Shift-F1 (each press a little more throttle), the
# yoke back with the keypad's 2 and the wings held with 6 and 5. The log must show the
# take-off roll, a lift-off within half a minute, and a climb that keeps going.
set -u
vantorel="$1"
build="$2"
work="$(mktemp -d)"
plane="$build/Aircraft/Trainer 172/Trainer 172.acf"
[ -f "$plane" ] || { echo "SKIP: no stock aircraft in $build"; exit 77; }
[ -f "$build/additional nav data/apt_dat" ] || { echo "SKIP: no navigation data"; exit 77; }
command -v Xvfb > /dev/null || { echo "SKIP: Xvfb is not installed (scripts/setup.sh installs it)"; exit 77; }

. "$(dirname "$0")/xvfb_start.bash" 141 190
fail() { echo "FAIL: $*"; exit 1; }

cd "$work" && mkdir cfg
{
    echo "at 0 key enter        # the software-renderer notice"
    echo "at 0 key enter        # the first-start welcome"
    echo "at 0 key enter        # no joystick: the mouse flies"
    echo "at 1 key b            # parking brake off"
    for i in $(seq 0 23); do echo "at 1.$((i % 10)) key shift-f1"; done
    for t in 12 12.5 13 13.5; do echo "at $t key kp2"; done
    echo "at 18 key kp6"
    echo "at 19 key kp6"
    echo "at 20.5 key kp5"
    echo "at 22 key kp8"
} > keys.txt
grep -v '^at [0-9.]* key ' keys.txt && fail "the script holds more than keys"

DISPLAY=":$display" XDG_CACHE_HOME="$work/cache" timeout 300 "$vantorel" --fixed-step --seconds 36 \
    --script keys.txt --log log.csv --airport KSBD --config-dir cfg --data-dir "$build" \
    --aircraft "$plane" > out.txt 2> err.txt
rc=$?
[ $rc -eq 0 ] || fail "windowed run exited $rc: $(tail -5 err.txt)"
grep -q "headless" err.txt && fail "ran without a window: $(cat err.txt)"
[ -s log.csv ] || fail "no flight log"

verdict=$(awk -F, '
    NR == 1 { for (i = 1; i <= NF; i++) col[$i] = i; next }
    { t = $col["time_s"]; alt = $col["alt_ft"]; gnd = $col["on_ground"] }
    NR == 2 { field = alt }
    gnd == 1 && t > 1 { rolled = 1 }
    rolled && !off && gnd == 0 { off = t; alt_off = alt }
    off && t >= off + 2 && !a2 { a2 = alt }
    off && t >= off + 8 && !a8 { a8 = alt }
    off && t >= off + 1 && gnd == 1 { down = t }
    { last_t = t; last_alt = alt }
    END {
        if (!rolled) { print "never on the runway"; exit }
        if (!off || off > 30) { print "no lift-off within 30 s (field " field " ft)"; exit }
        if (down) { print "back on the ground at " down " s after lifting off at " off " s"; exit }
        if (!(a8 > a2 + 50 && a2 > alt_off)) { print "no climb: " alt_off ", " a2 ", " a8 " ft after lift-off"; exit }
        if (last_alt < field + 200) { print "only " last_alt - field " ft above the field at " last_t " s"; exit }
        printf "ok lift-off %.1f s, %.0f ft above the field at %.0f s\n", off, last_alt - field, last_t
    }' log.csv)
case "$verdict" in ok*) echo "$verdict" ;; *) fail "$verdict" ;; esac
