#!/usr/bin/env bash
# The design tool's default aircraft, saved through File > Save As, is an aircraft the
# simulator flies: loaded at KSBD it rolls, lifts off and climbs away in a scripted flight.
set -u
vantorel="$1"
build="$2"
flexgauge="$build/flexgauge"
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
[ -x "$flexgauge" ] || { echo "SKIP: no flexgauge in $build"; exit 77; }
[ -f "$build/additional nav data/apt_dat" ] || { echo "SKIP: no navigation data"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }
cd "$work" && mkdir cfg

echo "at 0 menu 103   # Save As" > save.txt
"$flexgauge" --headless --script save.txt --pick "$work/Default.acf" --config-dir cfg --data-dir "$build" 2> err.txt ||
    fail "flexgauge exited $?: $(cat err.txt)"
[ -s Default.acf ] || fail "Save As wrote nothing: $(cat err.txt)"

# Full power from a standing start; rotate at 13 s, then hands off but for a touch of right
# rudder and aileron against the propeller's turning.
cat > fly.txt <<'FLY'
at 0 brake 0
at 0 mixture 1
at 0 throttle 1
at 13 pitch 0.2
at 15 yaw 0.2
at 15 roll 0.06
at 16 pitch 0
FLY
timeout 300 "$vantorel" --headless --fixed-step --seconds 40 --seed 3 --airport KSBD --aircraft Default.acf \
    --script fly.txt --log log.csv --config-dir cfg --data-dir "$build" > out.txt 2> err.txt ||
    fail "the simulator exited $?: $(tail -5 err.txt)"
verdict=$(awk -F, '
    NR == 1 { for (i = 1; i <= NF; i++) col[$i] = i; next }
    { t = $col["time_s"]; alt = $col["alt_ft"]; gnd = $col["on_ground"]; ias = $col["ias_kt"]; roll = $col["roll_deg"] }
    gnd == 1 && t > 1 { rolled = 1 }
    rolled && !off && gnd == 0 { off = t; alt_off = alt }
    off && t >= off + 1 && gnd == 1 && !down { down = t }
    off && (roll > 30 || roll < -30) && !banked { banked = t }
    { last_t = t; last_alt = alt; top_ias = ias > top_ias ? ias : top_ias }
    END {
        if (!rolled) { print "never on the runway"; exit }
        if (!off || off > 20) { print "no lift-off by 20 s (lift-off " off " s, top speed " top_ias " kt)"; exit }
        if (down) { print "back on the ground at " down " s after lifting off at " off " s"; exit }
        if (banked) { print "banked past 30 degrees at " banked " s"; exit }
        if (!(last_alt > alt_off + 250)) { print "no climb: " alt_off " ft at lift-off, " last_alt " ft at the end"; exit }
        print "ok: off at " off " s, " last_alt - alt_off " ft up at " last_t " s"
    }' log.csv)
case "$verdict" in ok*) echo "$verdict" ;; *) fail "$verdict" ;; esac
