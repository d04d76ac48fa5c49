#!/usr/bin/env bash
# cmake --install lays the programs out in bin/ and their data in share/vantorel/; the installed
# program finds its data from its own place (no --data-dir): the navigation data knows the
# start airport, the first start takes the stock trainer, and nothing of the build is listed.
set -u
vantorel="$1"
build="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
[ -f "$build/Aircraft/Trainer 172/Trainer 172.acf" ] || { echo "SKIP: no data tree in $build"; exit 77; }

cmake --install "$build" --prefix "$work/prefix" > "$work/install.txt" 2>&1 || fail "install: $(tail -3 "$work/install.txt")"
share="$work/prefix/share/vantorel"
[ -x "$work/prefix/bin/vantorel" ] || fail "no bin/vantorel"
[ -x "$work/prefix/bin/flexgauge" ] || fail "no bin/flexgauge"
for d in Aircraft airfoils flaps "additional nav data" scenery; do
    [ -d "$share/$d" ] || fail "no share/vantorel/$d"
done
for d in CMakeFiles src tests; do
    [ -e "$share/$d" ] && fail "the build's $d was installed"
done

cd "$work" && mkdir cfg
echo "at 0 menu 105" > quit.txt      # Quit keeps the preferences
"$work/prefix/bin/vantorel" --headless --frames 3 --fixed-step --script quit.txt --config-dir cfg --airport KSBD > out.txt 2>&1 ||
    fail "installed program exited $?: $(tail -5 out.txt)"
grep -q "Trainer 172.acf" "cfg/Vantorel 4.prf" || fail "no trainer in the preferences: $(head -4 "cfg/Vantorel 4.prf")"
grep -qF 'prefix\share\vantorel\Aircraft' "cfg/Vantorel 4.prf" || fail "the aircraft is not the installed one"
# The installed design tool reads the installed airfoils for the aircraft it opens.
"$work/prefix/bin/flexgauge" "$share/Aircraft/Trainer 172/Trainer 172.acf" --headless --config-dir cfg > fg.txt 2>&1 ||
    fail "installed flexgauge exited $?: $(tail -5 fg.txt)"
grep -qi "airfoil" fg.txt && fail "installed flexgauge missed its airfoils: $(head -3 fg.txt)"
echo "ok"
