#!/usr/bin/env bash
# Every stock aircraft opens in Flexgauge and is drawn offscreen: one picture per aircraft,
# kept in the build tree (artefacts/flexgauge), each showing the aircraft against the black
# background; the trainer also drawn with its textures on the sky background.
set -u
build="$2"
flexgauge="$build/flexgauge"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
out="$build/artefacts/flexgauge"
[ -x "$flexgauge" ] || { echo "SKIP: no flexgauge in $build"; exit 77; }
ls "$build"/Aircraft/*/*.acf > /dev/null 2>&1 || { echo "SKIP: no stock aircraft in $build"; exit 77; }
command -v python3 > /dev/null || { echo "SKIP: no python3 to read the pictures"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }
mkdir -p "$out" "$work/cfg" && rm -f "$out"/*.png
cd "$work"

n=0
for acf in "$build"/Aircraft/*/*.acf; do
    name="$(basename "$acf" .acf)"
    start=$(date +%s%N)
    env -u DISPLAY -u WAYLAND_DISPLAY timeout 60 "$flexgauge" "$acf" --screenshot "$out/$name.png" \
        --config-dir cfg --data-dir "$build" 2> err.txt || fail "$name: exited $?: $(tail -3 err.txt)"
    ms=$(( ($(date +%s%N) - start) / 1000000 ))
    [ -s "$out/$name.png" ] || fail "$name: no picture: $(tail -3 err.txt)"
    verdict=$(python3 "$here/fg_shot_check.py" "$out/$name.png") || fail "$name: $verdict"
    echo "$name: $verdict (${ms} ms)"
    n=$((n + 1))
done
[ $n -ge 7 ] || fail "only $n stock aircraft"

printf 'at 0 menu 417   # textures\nat 0 menu 420   # sky\n' > looks.txt
env -u DISPLAY -u WAYLAND_DISPLAY timeout 60 "$flexgauge" "$build/Aircraft/Trainer 172/Trainer 172.acf" \
    --script looks.txt --frames 3 --screenshot "$out/Trainer 172 textured.png" --config-dir cfg \
    --data-dir "$build" 2> err.txt || fail "textured run exited $?: $(tail -3 err.txt)"
verdict=$(python3 "$here/fg_shot_check.py" "$out/Trainer 172 textured.png" sky) || fail "textured: $verdict"
echo "textured: $verdict"
echo "ok"
