#!/usr/bin/env bash
# A malformed --script line is reported with its line number and the run does not start.
set -u
vantorel="$1"
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
cd "$work" && mkdir cfg data
fail() { echo "FAIL: $*"; exit 1; }

printf '# warm-up\nat 0.5 key a\n\nat 1.0 click 400 300\nat two menu 105\n' > bad.txt
"$vantorel" --headless --frames 10 --config-dir cfg --data-dir data --script bad.txt 2> err.txt
rc=$?
[ $rc -ne 0 ] || fail "malformed script accepted"
grep -q "line 5" err.txt || fail "line number missing: $(cat err.txt)"
[ -e Vantorel.out ] && fail "the run started although the script was refused"

printf 'at 0 key a\nat 0.5 resize 100000 100000\n' > huge.txt
"$vantorel" --headless --frames 10 --config-dir cfg --data-dir data --script huge.txt 2> err.txt && fail "resize 100000 accepted"
grep -q "line 2: 'resize'" err.txt || fail "absurd resize not refused with its line: $(cat err.txt)"

"$vantorel" --headless --frames 10 --script missing.txt --config-dir cfg --data-dir data 2> err.txt && fail "missing script accepted"
"$vantorel" --headless --frames ten 2> err.txt && fail "--frames ten accepted"
"$vantorel" --bogus 2> err.txt && fail "unknown option accepted"
grep -q "unknown option '--bogus'" err.txt || fail "unknown option not named"
echo "ok"
