# Sourced by the window tests: starts Xvfb on the first free display number from FIRST to
# LAST (its number in $display) with a screen of SIZE (default 1024x768x24), and stops it (and
# removes $work) when the test exits. Needs $work.
#   . xvfb_start.bash FIRST LAST [SIZE]
display=""
for n in $(seq "$1" "$2"); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { display=$n; break; }
done
[ -n "$display" ] || { echo "SKIP: no free display number"; exit 77; }
Xvfb ":$display" -screen 0 "${3:-1024x768x24}" -nolisten tcp > "$work/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $xvfb 2> /dev/null; wait $xvfb 2> /dev/null; rm -rf "$work"' EXIT
for _ in $(seq 1 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
[ -e "/tmp/.X11-unix/X$display" ] || { echo "FAIL: Xvfb did not start: $(cat "$work/xvfb.log")"; exit 1; }
