#!/usr/bin/env bash
# An offscreen picture of every settings window, opened in one run of the trainer, kept in the
# build tree (artefacts/windows) with one contact sheet of all 25 to be looked at; each picture's
# title bar is read back for the window's own title.
set -u
vantorel="$1"
build="$2"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
out="$build/artefacts/windows"
plane="$build/Aircraft/Trainer 172/Trainer 172.acf"
[ -f "$plane" ] || { echo "SKIP: no stock aircraft in $build"; exit 77; }
[ -f "$build/bitmaps/Vantorel/set_atm.BMP" ] || { echo "SKIP: no artwork in $build"; exit 77; }
command -v python3 > /dev/null || { echo "SKIP: no python3 to read the pictures"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }
mkdir -p "$out" && cd "$work" && mkdir cfg

# Window, size and title, as the window layer opens them.
windows=(
  "1:176:440:Airport by ID" "2:352:205:Airport by Name" "3:432:494:Enroute" "4:788:443:World"
  "5:246:165:Set Lat/Lon" "6:531:121:Where Am I?" "7:620:400:Set Data Output" "8:600:478:Set Serial Output"
  "9:691:147:Set Time Of Day" "10:600:540:Set Rendering Options" "11:197:84:Set Weather Space"
  "12:618:527:Set Weather Atmosphere" "13:197:148:Set Weather Ground" "14:197:271:Set Weather Water"
  "15:787:519:Set Joystick & Flight Mode" "16:436:252:Set Weights & Fuel" "17:344:345:Set Reliability"
  "18:350:520:Set Reliability" "19:682:560:Set Reliability" "20:293:250:Set Sound" "21:550:172:Set Warnings"
  "22:620:420:Graphics Output" "23:760:540:Isometric Region" "24:432:494:" "25:589:415:Flight Plan"
)
# Each window opened from the cockpit (so the cockpit is behind it, as from its menu), four
# frames before its picture is asked for.
k=0; args=()
for entry in "${windows[@]}"; do
    w=${entry%%:*}
    printf 'at %s window 0\nat %s window %s\nat %s screenshot w%02d.png\n' "$(awk -v k=$k 'BEGIN { print k * 0.4 }')" \
        "$(awk -v k=$k 'BEGIN { print k * 0.4 + 0.1 }')" "$w" "$(awk -v k=$k 'BEGIN { print k * 0.4 + 0.3 }')" "$w" >> script.txt
    args+=("w$(printf %02d "$w").png:${entry#*:}")
    k=$((k + 1))
done
env -u DISPLAY -u WAYLAND_DISPLAY timeout 300 "$vantorel" --screenshot last.png --seconds "$(awk -v k=$k 'BEGIN { print k * 0.4 }')" --fixed-step --script script.txt \
    --config-dir cfg --data-dir "$build" --aircraft "$plane" > /dev/null 2> err.txt || fail "run exited $?: $(tail -3 err.txt)"
for a in "${args[@]}"; do [ -s "${a%%:*}" ] || fail "no picture ${a%%:*}: $(tail -3 err.txt)"; done
python3 "$here/window_shots.py" sheet.png "${args[@]}" || fail "a window's title is not in its title bar"
cp w*.png sheet.png "$out/"
echo "ok: ${#args[@]} windows in $out, contact sheet $out/sheet.png"
