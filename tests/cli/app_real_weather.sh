#!/usr/bin/env bash
# --real-weather: a missing file stops the start; a damaged one is told and the run goes on.
set -u
vantorel="$1"
build="$2"
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
cd "$work" && mkdir cfg data
fail() { echo "FAIL: $*"; exit 1; }
plane="$build/Aircraft/Trainer 172/Trainer 172.acf"
[ -f "$plane" ] || { echo "SKIP: no stock aircraft in $build"; exit 77; }

"$vantorel" --headless --frames 5 --config-dir cfg --data-dir data --real-weather none.rwx 2> err.txt \
    && fail "missing weather file accepted"
grep -q -- "--real-weather: no such file: none.rwx" err.txt || fail "missing file not named: $(cat err.txt)"

head -c 3000 /dev/urandom > junk.rwx
printf 'KSBD %*s\n' 10000 x >> junk.rwx
"$vantorel" --headless --frames 30 --fixed-step --config-dir cfg --data-dir "$build" --aircraft "$plane" \
    --real-weather junk.rwx 2> err.txt
rc=$?
[ $rc -eq 0 ] || fail "run with a damaged weather file exited $rc: $(tail -3 err.txt)"
grep -q "WORLD.RWX' is damaged" err.txt || fail "damage not told: $(cat err.txt)"
echo "ok"
