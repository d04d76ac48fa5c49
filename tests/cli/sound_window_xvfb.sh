#!/usr/bin/env bash
# A window without a sound device: the program says "Sound init failure!" once, in the picture,
# and flies its frames on (the alert answered by a scripted key; were it never shown, or
# shown again, the keys would fall out of step and the run would not end). With OpenAL's null
# device the same start raises nothing about sound.
set -u
vantorel="$1"
build="$2"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
plane="$build/Aircraft/Trainer 172/Trainer 172.acf"
[ -f "$plane" ] || { echo "SKIP: no stock aircraft in $build"; exit 77; }
command -v Xvfb > /dev/null || { echo "SKIP: Xvfb is not installed (scripts/setup.sh installs it)"; exit 77; }

. "$here/xvfb_start.bash" 241 290
fail() { echo "FAIL: $*"; exit 1; }

cd "$work" && mkdir cfg
cat > run.txt <<'SCRIPT'
at 0 key enter            # the software-renderer notice (Xvfb draws with llvmpipe)
at 0 key enter            # no sound device
at 0 key enter            # the first-start welcome
at 0 key enter            # no joystick: the mouse flies
SCRIPT
# No driver of that name: OpenAL Soft opens no device at all.
ALSOFT_DRIVERS=no-such-driver DISPLAY=":$display" timeout 120 "$vantorel" --frames 40 --fixed-step --script run.txt \
    --config-dir cfg --data-dir "$build" --aircraft "$plane" > out.txt 2> err.txt
rc=$?
[ $rc -eq 0 ] || fail "windowed run without a device exited $rc: $(tail -5 err.txt)"
[ "$(grep -c 'Sound init failure!' Error.out)" -eq 1 ] || fail "the missing device was not said exactly once: $(cat Error.out)"

rm -rf cfg Error.out && mkdir cfg
sed -i '2d' run.txt
ALSOFT_DRIVERS=null DISPLAY=":$display" timeout 120 "$vantorel" --frames 40 --fixed-step --script run.txt \
    --config-dir cfg --data-dir "$build" --aircraft "$plane" > out.txt 2> err.txt
rc=$?
[ $rc -eq 0 ] || fail "windowed run on the null device exited $rc: $(tail -5 err.txt)"
grep -qi "sound" Error.out && fail "sound mentioned with a device: $(grep -i sound Error.out)"
echo "ok"
