#!/usr/bin/env bash
# Ctrl-C (SIGINT) and SIGTERM end a headless run and --joystick-test within a second, with the
# status a shell gives a program a signal ended: 130 and 143.
set -u
vantorel="$1"
build="$2"
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
cd "$work" && mkdir cfg
plane="$build/Aircraft/Trainer 172/Trainer 172.acf"
[ -f "$plane" ] || { echo "SKIP: no stock aircraft in $build"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }

flying() { [ -f run.csv ] && [ "$(wc -l < run.csv)" -ge 3 ]; }
reading_joysticks() { grep -q "Joysticks seen" out.txt; }

# stop_within_a_second SIGNAL STATUS READY COMMAND...: starts the command, waits until READY
# says it is running, sends the signal and wants the command gone within a second.
stop_within_a_second() {
    local sig="$1" want="$2" ready="$3"
    shift 3
    rm -f run.csv out.txt
    "$@" > out.txt 2> err.txt &
    local pid=$! n
    for n in $(seq 1 900); do "$ready" && break; sleep 0.1; done
    "$ready" || { kill -KILL $pid; fail "$* did not get going: $(tail -3 err.txt)"; }
    ( sleep 5; kill -KILL $pid 2> /dev/null ) &
    local watchdog=$! start rc took
    start=$(date +%s%N)
    kill -s "$sig" $pid
    wait $pid
    rc=$?
    took=$(( ($(date +%s%N) - start) / 1000000 ))
    kill $watchdog 2> /dev/null
    [ $rc -eq "$want" ] || fail "after SIG$sig, $1 ... exited $rc, not $want: $(tail -3 err.txt)"
    [ $took -le 1000 ] || fail "after SIG$sig, $1 ... took $took ms to end"
}

for s in "INT 130" "TERM 143"; do
    set -- $s
    stop_within_a_second "$1" "$2" flying "$vantorel" --headless --log run.csv --config-dir cfg \
        --data-dir "$build" --aircraft "$plane"
done
"$vantorel" --joystick-test --frames 1 --config-dir cfg | grep -q "joystick support" &&
    { echo "SKIP: SDL has no joystick support here"; exit 77; }
for s in "INT 130" "TERM 143"; do
    set -- $s
    stop_within_a_second "$1" "$2" reading_joysticks "$vantorel" --joystick-test --config-dir cfg
done
echo "ok"
