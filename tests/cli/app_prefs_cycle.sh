#!/usr/bin/env bash
# Preferences across runs: Quit writes them, the next start reads them without the first-start
# questions, "Reset Preferences and Exit" disables them and exits 0, and the start after that
# asks for an aircraft again (and, with none given, ends through the fatal alert with status 0).
set -u
vantorel="$1"
build="$2"
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
cd "$work" && mkdir empty
plane="$build/Aircraft/Trainer 172/Trainer 172.acf"
[ -f "$plane" ] || { echo "SKIP: no stock aircraft in $build"; exit 77; }
cfg="$work/new/settings"          # created on first use
prf="$cfg/Vantorel 4.prf"
fail() { echo "FAIL: $*"; exit 1; }
run() { "$vantorel" --headless --config-dir "$cfg" --data-dir "$build" "$@"; }

echo 'at 0.5 menu 105   # Quit' > quit.txt
run --aircraft "$plane" --script quit.txt --frames 1000 2> err1.txt || fail "first run"
[ -f "$prf" ] || fail "Quit did not write the preferences"
head -2 "$prf" | tr '\n' '|' | grep -qx 'I|462 version|' || fail "header: $(head -2 "$prf")"
sed -n 3p "$prf" | grep -qx 'Trainer 172.acf' || fail "aircraft name not stored"
grep -q 'Welcome to Vantorel' err1.txt || fail "first start without the welcome"

run --frames 5 2> err2.txt || fail "second run"
grep -q 'Welcome' err2.txt && fail "second start asked again: $(cat err2.txt)"

echo 'at 0.2 menu 603' > reset.txt
run --script reset.txt --frames 1000 2> err3.txt
rc=$?
[ $rc -eq 0 ] || fail "reset exited $rc"
grep -q 'I have disabled the preferences file.' err3.txt || fail "reset alert missing"
head -2 "$prf" | tr '\n' '|' | grep -qx 'I|-1 version|' || fail "file not disabled: $(cat "$prf")"

# A data tree without the stock trainer leaves nothing to answer the aircraft dialog with.
"$vantorel" --headless --config-dir "$cfg" --data-dir empty --frames 5 2> err4.txt
rc=$?
[ $rc -eq 0 ] || fail "fatal first-start alert exited $rc"
grep -q 'Welcome to Vantorel' err4.txt || fail "defaults not taken after reset"
grep -q 'I did not get a valid aircraft from you.' err4.txt || fail "no fatal alert without an aircraft"
grep -q 'alert 84' Error.out || fail "fatal alert not in Error.out"
echo "ok"
