#!/usr/bin/env bash
# --airport starts at a known field (its scenery generated into the cache); an unknown one,
# or a runway end it lacks, stops the start with status 2 and a message; with
# --no-scenery-generation nothing is generated.
set -u
vantorel="$1"
build="$2"
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
cd "$work" && mkdir cfg
plane="$build/Aircraft/Trainer 172/Trainer 172.acf"
[ -f "$plane" ] || { echo "SKIP: no stock aircraft in $build"; exit 77; }
[ -f "$build/additional nav data/apt_dat" ] || { echo "SKIP: no navigation data"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }
run() { XDG_CACHE_HOME="$work/cache" "$vantorel" --headless --frames 2 --config-dir cfg --data-dir "$build" --aircraft "$plane" "$@"; }

run --airport ZZZZ 2> err.txt; rc=$?
[ $rc -eq 2 ] || fail "unknown airport exited $rc"
grep -q "no airport 'ZZZZ'" err.txt || fail "no message for the unknown airport: $(cat err.txt)"
[ -d "$work/cache/vantorel/scenery" ] && fail "scenery made for a refused start"

run --airport KSBD --runway-end 5 2> err.txt; rc=$?
[ $rc -eq 2 ] || fail "missing runway end exited $rc"
grep -q -- "--runway-end" err.txt || fail "no message for the runway end: $(cat err.txt)"

run --airport KSBD --no-scenery-generation 2> err.txt || fail "start without generation failed: $(cat err.txt)"
[ -d "$work/cache/vantorel/scenery" ] && fail "--no-scenery-generation still generated"

# The log's first row is the aircraft where the start put it, not where it was before.
run --airport KSBD --runway-end 1 --no-scenery-generation --frames 3 --fixed-step --log start.csv 2> err.txt ||
  fail "logged start failed: $(cat err.txt)"
awk -F, 'NR == 2 { la = $2; lo = $3 } NR == 3 { d = (la - $2) ^ 2 + (lo - $3) ^ 2; exit !(d < 1e-8) }' start.csv ||
  fail "the first log row is not where the aircraft stands: $(head -3 start.csv | cut -d, -f1-3 | tr '\n' ' ')"

if [ -f "$build/scenery/earth.dat" ]; then
  run --airport ksbd --runway-end 1 2> err.txt || fail "start at KSBD failed: $(cat err.txt)"
  [ -f "$work/cache/vantorel/scenery/+30-120/+33-118.env" ] || fail "KSBD's quadrant not generated"
  # The region's six quadrants; the worker may have made some of those round it ahead.
  for q in +33-119 +33-118 +33-117 +34-119 +34-118 +34-117; do
    [ -f "$work/cache/vantorel/scenery/+30-120/$q.env" ] || fail "the region's quadrant $q not in the cache"
  done
fi
exit 0
