#!/usr/bin/env bash
# The design tool's command line: help and version, refused options and files, and the
# preferences file it keeps beside the simulator's when the user quits.
set -u
build="$2"
flexgauge="$build/flexgauge"
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
[ -x "$flexgauge" ] || { echo "SKIP: no flexgauge in $build"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }
cd "$work" && mkdir cfg

"$flexgauge" --help > help.txt || fail "--help exited $?"
for flag in --screenshot --script --pick --frames --headless --data-dir --config-dir --version; do
    grep -q -- "$flag" help.txt || fail "--help does not list $flag"
done
[ "$("$flexgauge" --version)" = "Flexgauge Version Beta-1." ] || fail "version: $("$flexgauge" --version)"
"$flexgauge" --bogus 2> err.txt; [ $? -eq 2 ] || fail "an unknown option is not refused"
"$flexgauge" missing.acf --headless 2> err.txt; [ $? -eq 2 ] && grep -q "missing.acf" err.txt ||
    fail "a missing aircraft file: $(cat err.txt)"
# A file that is no aircraft is told, and the tool goes on with its default aircraft.
echo "not an aircraft" > junk.acf
echo "at 0 menu 105" > quit.txt
"$flexgauge" junk.acf --headless --script quit.txt --config-dir cfg --data-dir "$build" 2> err.txt ||
    fail "junk file run exited $?: $(cat err.txt)"
grep -q "not an aircraft file" err.txt || fail "the junk file was not told: $(cat err.txt)"
[ -s cfg/Flexgauge.prf ] || fail "Quit kept no Flexgauge.prf: $(ls cfg)"
[ -e "cfg/Vantorel 4.prf" ] && fail "the design tool wrote the simulator's preferences"
echo "ok"
