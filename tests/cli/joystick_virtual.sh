#!/usr/bin/env bash
# SDL's virtual joystick (no hardware) read through the program's own joystick layer with
# --joystick-test: the device is seen when attached and when detached, an axis reads centred
# until it first moves, a full deflection reads 1, buttons 1 and 2 together make neither
# virtual button 4 nor 5, and a diagonal hat makes no virtual button.
set -u
vantorel="$1"
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
cd "$work" && mkdir cfg
fail() { echo "FAIL: $*"; cat out.txt 2>/dev/null; exit 1; }

cat > moves.txt <<'MOVES'
at 2 attach
at 3 axis 1 -32768      # an end-stop reading before the stick has moved
at 10 axis 1 32767      # full back
at 15 axis 1 0
at 20 button 1 1
at 21 button 2 1
at 25 button 2 0
at 30 button 1 0
at 32 hat upright
at 35 hat right
at 40 hat centre
at 45 detach
at 50 attach
MOVES
ORV_VIRTUAL_JOYSTICK=moves.txt SDL_JOYSTICK_HIDAPI=0 "$vantorel" --joystick-test --frames 60 --config-dir cfg > out.txt 2> err.txt
rc=$?
[ $rc -eq 0 ] || fail "--joystick-test exited $rc: $(cat err.txt)"
grep -q "joystick support" out.txt && { echo "SKIP: SDL has no joystick support here"; exit 77; }

# Polls 1..60: attached at 2, first line shows the stick centred.
attached=$(grep -c ' joystick 1: .*4 axes, 16 buttons, 1 hat)' out.txt)
[ "$attached" -eq 2 ] || fail "expected the virtual stick to be seen attached twice, saw $attached"
grep -q '^4[5-9] joystick 1: unplugged$' out.txt || fail "detach not seen"
line_at() { awk -v n="$1" '$1 <= n { l = $0 } END { print l }' out.txt; }
line_at 9 | grep -q '| pitch +0.000 |' || fail "an unmoved axis at its end stop did not read centred: $(line_at 9)"
line_at 14 | grep -q '| pitch +1.000 |' || fail "full back is not +1: $(line_at 14)"
line_at 19 | grep -q '| pitch +0.000 |' || fail "centred is not 0: $(line_at 19)"
line_at 20 | grep -q 'buttons 1 | virtual 4$' || fail "button 1 alone is not virtual 4: $(line_at 20)"
line_at 22 | grep -q 'buttons 1 2 | virtual -$' || fail "buttons 1 and 2 together made a virtual button: $(line_at 22)"
line_at 33 | grep -q 'hat 4500 | buttons - | virtual -$' || fail "a diagonal hat made a virtual button: $(line_at 33)"
line_at 36 | grep -q 'hat 9000 | buttons - | virtual 3$' || fail "hat right is not virtual 3: $(line_at 36)"
echo "ok"
