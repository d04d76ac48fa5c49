#!/usr/bin/env bash
# The real window under a virtual X display: it opens with a depth buffer of 24 bits or more, draws, answers its alerts through
# scripted keys, takes a scripted click on an alert's O.K. button in a window twice the
# picture's size, survives being resized and closes cleanly when --frames ends. A click that
# missed the button would leave the alert up and the run would never end.
set -u
vantorel="$1"
build="$2"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
plane="$build/Aircraft/Trainer 172/Trainer 172.acf"
[ -f "$plane" ] || { echo "SKIP: no stock aircraft in $build"; exit 77; }
command -v Xvfb > /dev/null || { echo "SKIP: Xvfb is not installed (scripts/setup.sh installs it)"; exit 77; }
command -v python3 > /dev/null || { echo "SKIP: no python3 to read the pictures"; exit 77; }

. "$(dirname "$0")/xvfb_start.bash" 91 140
fail() { echo "FAIL: $*"; exit 1; }

cd "$work" && mkdir cfg
cat > run.txt <<'SCRIPT'
at 0 key enter            # the software-renderer notice (Xvfb draws with llvmpipe)
at 0 key enter            # the first-start welcome
at 0 key enter            # no joystick: the mouse flies
at 0.2 resize 1600 1200
at 0.5 menu 0             # About: an alert in the picture
at 0.5 screenshot about.png
at 0.5 click 400 224      # its O.K. button, the picture's (220..580, 217..232)
at 0.8 key p
at 1.0 resize 640 400
at 1.2 screenshot small.png
SCRIPT
DISPLAY=":$display" timeout 120 "$vantorel" --frames 40 --fixed-step --script run.txt \
    --config-dir cfg --data-dir "$build" --aircraft "$plane" > out.txt 2> err.txt
rc=$?
[ $rc -eq 0 ] || fail "windowed run exited $rc: $(tail -5 err.txt)"
grep -q "headless" err.txt && fail "ran without a window: $(cat err.txt)"
depth=$(sed -n 's/^OpenGL depth buffer: \([0-9]*\) bits$/\1/p' err.txt)
[ "${depth:-0}" -ge 24 ] || fail "the window's depth buffer is not of 24 bits or more: $(grep depth err.txt)"
[ -s about.png ] || fail "no screenshot of the alert: $(tail -5 err.txt)"
[ -s small.png ] || fail "no screenshot after the second resize"

# Twice the picture's size: the alert box's face at picture (210, 262), y up, and the menu bar.
read -r size face bar < <(python3 "$here/png_pixels.py" about.png 420,676 1590,10 | paste -sd'|' | tr ' ' '_' | tr '|' ' ')
[ "$size" = "1600_1200" ] || fail "alert picture is $size, not 1600 by 1200"
[ "$face" = "204_204_204" ] || fail "alert face pixel is $face"
[ "$bar" = "204_204_204" ] || fail "menu bar pixel is $bar"
read -r size bar < <(python3 "$here/png_pixels.py" small.png 500,3 | paste -sd'|' | tr ' ' '_' | tr '|' ' ')
[ "$size" = "533_400" ] || fail "picture in a 640 by 400 window is $size, not 533 by 400"
[ "$bar" = "204_204_204" ] || fail "menu bar pixel after the resize is $bar"
grep -q "Orvessa: the Vantorel flight simulator" Error.out || fail "the About alert was not shown"
echo "ok"
