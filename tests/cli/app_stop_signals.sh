#!/usr/bin/env bash
# Ctrl-C (SIGINT) and SIGTERM end a headless run and --joystick-test within a second, with the
# status a shell gives a program a signal ended: 130 and 143.
set -u
vantorel="$1"
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
cd "$work" && mkdir cfg
plane="$2/Aircraft/Trainer 172/Trainer 172.acf"
[ -f "$plane" ] || { echo "SKIP: no stock aircraft in $2"; exit 77; }
"$vantorel" --joystick-test --frames 1 --config-dir cfg | grep -q "joystick support" &&
    { echo "SKIP: SDL has no joystick support here"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }
flying() { [ -f run.csv ] && [ "$(wc -l < run.csv)" -ge 3 ]; }
reading_joysticks() { grep -q "Joysticks seen" out.txt; }

# stop SIGNAL STATUS READY COMMAND...: once READY says the command runs, the signal must end
# it within a second with STATUS.
stop() {
    local sig="$1" want="$2" ready="$3" n pid start rc took
    shift 3
    rm -f run.csv out.txt
    "$@" > out.txt 2> err.txt & pid=$!
    for n in $(seq 1 900); do "$ready" && break; sleep 0.1; done
    "$ready" || { kill -KILL $pid; fail "$ready: never got going: $(tail -3 err.txt)"; }
    ( sleep 5; kill -KILL $pid ) > /dev/null 2>&1 &
    start=$(date +%s%N)
    kill -s "$sig" $pid; wait $pid; rc=$?
    took=$(( ($(date +%s%N) - start) / 1000000 ))
    [ $rc -eq "$want" ] || fail "$ready: SIG$sig gave exit status $rc, not $want"
    [ $took -le 1000 ] || fail "$ready: SIG$sig took $took ms to end it"
}

for s in "INT 130" "TERM 143"; do
    stop ${s% *} ${s#* } flying "$vantorel" --headless --log run.csv --config-dir cfg --data-dir "$2" --aircraft "$plane"
    stop ${s% *} ${s#* } reading_joysticks "$vantorel" --joystick-test --config-dir cfg
done
echo "ok"
