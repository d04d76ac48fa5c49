#!/usr/bin/env bash
# A headless run with OpenAL Soft's null driver flies its frames and says nothing about sound
# or speech more than once, on standard error and in "Error.out" together; the data tree it
# flies from holds every sound file.
set -u
vantorel="$1"
build="$2"
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
cd "$work" && mkdir cfg
plane="$build/Aircraft/Trainer 172/Trainer 172.acf"
[ -f "$plane" ] || { echo "SKIP: no stock aircraft in $build"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }

[ -f "$build/sounds/eng1.WAV" ] && [ -f "$build/sounds/sink.WAV" ] || fail "no sounds in $build/sounds"
ALSOFT_DRIVERS=null "$vantorel" --headless --frames 100 --config-dir cfg --data-dir "$build" --aircraft "$plane" 2> err.txt
rc=$?
[ $rc -eq 0 ] || fail "headless run exited $rc: $(cat err.txt)"
said=$(cat err.txt Error.out | grep -ciE 'sound|speech|speak')
[ "$said" -le 1 ] || fail "sound or speech mentioned $said times: $(cat err.txt Error.out | grep -iE 'sound|speech|speak')"
grep -q "Sound init failure!" err.txt && fail "the no-device alert reached a run nobody hears"
exit 0
