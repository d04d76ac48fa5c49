#!/usr/bin/env bash
# Builds the file-reader fuzz targets in a separate clang build and runs each for a bounded
# time over a generated seed corpus, ORV_FUZZ_PARALLEL targets at a time (2 by default).
# Exits non-zero when a target finds a crash, a leak or undefined behaviour (the input that
# did it is kept in BUILD/artifacts), 77 when there is nothing to fuzz (no clang).
#
#   run_fuzz.sh [BUILD_DIR] [SECONDS_PER_TARGET] [TARGET...]
#
# The short run of CI is the default; a long run on request, for example ten minutes each,
# niced, two at a time:  nice -n 10 tests/fuzz/run_fuzz.sh build-fuzz 600
# Each target's last statistics (executions per second, coverage) are printed at the end.
set -euo pipefail

here="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$here/build-fuzz}"
secs="${2:-${ORV_FUZZ_SECONDS:-20}}"
shift $(( $# > 2 ? 2 : $# ))
jobs="${ORV_JOBS:-2}"
parallel="${ORV_FUZZ_PARALLEL:-2}"

if ! command -v clang++ >/dev/null 2>&1; then
  echo "run_fuzz: clang++ not found; nothing fuzzed"
  exit 77
fi

# float-cast-overflow is not part of "undefined": a float too large for the int it becomes.
san="-fsanitize=address,undefined,float-cast-overflow,fuzzer-no-link"
san+=" -fno-sanitize-recover=undefined,float-cast-overflow -fno-omit-frame-pointer"
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORV_FUZZ=ON -DORV_BUILD_DATA=OFF -DORV_BUILD_BENCH=OFF -DORV_BUILD_TESTS=ON -DORV_FUZZ_CTEST=OFF \
  -DCMAKE_C_FLAGS="$san" -DCMAKE_CXX_FLAGS="$san" >/dev/null

list="$build/tests/fuzz/fuzz_targets.txt"
if [ $# -gt 0 ]; then
  targets=("$@")
else
  mapfile -t targets < <(grep -v '^$' "$list" || true)
fi
if [ ${#targets[@]} -eq 0 ]; then
  echo "run_fuzz: no fuzz targets"
  exit 77
fi
extra=(fuzz_seed afoilgen acfcompile)
for t in "${targets[@]}"; do [ "$t" = fuzz_bmp ] && extra+=(artgen); done
cmake --build "$build" -j "$jobs" --target "${targets[@]}" "${extra[@]}" >/dev/null

# Seed corpora: the shipped airfoil and flap files with a few damaged ones, and generated
# aircraft images, navigation files, preferences and weather files.
work="$build/fuzz-work"
rm -rf "$work/seed"
mkdir -p "$work/seed/afl" "$work/seed/flp" "$build/artifacts"
"$build/tools/afoilgen/afoilgen" --airfoils "$work/seed/afl" --flaps "$work/seed/flp" \
  "$here"/data/airfoils/*.sec "$here"/data/flaps/*.fsec >/dev/null
first="$(ls "$work/seed/afl"/*.afl | head -n1)"
head -c 300 "$first" > "$work/seed/afl/cut.afl"
sed 's/^1234$/4321/' "$first" > "$work/seed/afl/badcheck.afl"
tr '\n' '\r' < "$first" > "$work/seed/afl/cr.afl"
printf 'I\n363 version\n1234\n' > "$work/seed/afl/head_only.afl"
seeder="$build/tests/fuzz/fuzz_seed"
"$seeder" acf "$work/seed/acf"
# The aircraft to fly: the stock fleet and the zeroed images.
mkdir -p "$work/seed/fly"
cp "$work/seed/acf"/*.acf "$work/seed/fly/"
for d in "$here"/data/aircraft/*/*.txt; do
  "$build/tools/acfcompile/acfcompile" "$d" "$work/seed/fly/$(basename "$d" .txt).acf" >/dev/null
done
"$seeder" navdata "$work/seed"
"$seeder" prefs "$work/seed/prefs"
"$seeder" wxr "$work/seed/wxr"

# Scenery seeds: a binary and a text environment file (with objects) and an object file.
mkdir -p "$work/seed/env" "$work/seed/obj"
python3 - "$work/seed/env" <<'PY'
import struct, sys
d = sys.argv[1]
pts = b"".join(struct.pack("<fffi", 33 + j / 79, -118 + i / 59, 10.0 * i, 1 if i < 5 else 0)
               for j in range(80) for i in range(60))
objs = struct.pack("<ifffii", 2, 33.5, -117.5, 200.0, 0, 0)
objs += struct.pack("<ifff", 8, 33.6, -117.6, 45.0) + b"tower".ljust(40, b"\0")
open(d + "/bin.env", "wb").write(b"i" + struct.pack("<i", 4) + pts + objs + struct.pack("<i", 99))
lines = ["%.6f %.6f %.1f 0 %d 0 0 0" % (33 + j / 79, -118 + i / 59, 5.0, i % 2) for j in range(80) for i in range(60)]
text = "I\n4 version\na\nb\nc\n" + "\n".join(lines) + "\n1\n2 33.5 -117.5 300 0 0\n8 33.6 -117.6 90 tower\n99\n"
open(d + "/text.env", "w").write(text)
PY
printf 'I\n4 roof\n0 0 0\n10 0 0\n10 5 0\n0 5 0\n2 255 0 0\n0 0 0\n0 9 0\n99\n' > "$work/seed/obj/hangar.OBJ"

# Bitmap seeds: small pictures of the program's own artwork, one cut short.
if [ -x "$build/tools/artgen/artgen" ]; then
  mkdir -p "$work/seed/bmp" "$work/art"
  "$build/tools/artgen/artgen" --out "$work/art" >/dev/null
  for n in cursor rway_1L windsock smoke; do cp "$work/art/textures/$n.BMP" "$work/seed/bmp/"; done
  cp "$work/art/bitmaps/Vantorel/b_gear.BMP" "$work/seed/bmp/"
  head -c 200 "$work/art/textures/cursor.BMP" > "$work/seed/bmp/cut.BMP"
fi

# Sound seeds: a short mono 16-bit sound, a stereo 8-bit one with a longer format chunk, and
# one cut short.
mkdir -p "$work/seed/wav"
python3 - "$work/seed/wav" <<'PY'
import struct, sys
d = sys.argv[1]
def wav(ch, bits, samples, extra=b""):
    fmt = struct.pack("<HHIIHH", 1, ch, 22050, 22050 * ch * bits // 8, ch * bits // 8, bits) + extra
    body = b"WAVEfmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(samples)) + samples
    return b"RIFF" + struct.pack("<I", len(body)) + body
open(d + "/mono16.WAV", "wb").write(wav(1, 16, bytes(range(200))))
open(d + "/stereo8.WAV", "wb").write(wav(2, 8, bytes(64), b"\0\0"))
open(d + "/cut.WAV", "wb").write(wav(1, 16, bytes(100))[:60])
PY

seeds_of() {
  case "$1" in
    fuzz_acf) echo "$work/seed/acf" ;;
    fuzz_fly) echo "$work/seed/fly" ;;
    fuzz_afl) echo "$work/seed/afl" ;;
    fuzz_flp) echo "$work/seed/flp" ;;
    fuzz_apt_dat) echo "$work/seed/apt" ;;
    fuzz_nav_dat) echo "$work/seed/nav" ;;
    fuzz_fix_dat) echo "$work/seed/fix" ;;
    fuzz_prefs) echo "$work/seed/prefs" ;;
    fuzz_wxr) echo "$work/seed/wxr" ;;
    fuzz_env) echo "$work/seed/env" ;;
    fuzz_obj) echo "$work/seed/obj" ;;
    fuzz_bmp) echo "$work/seed/bmp" ;;
    fuzz_wav) echo "$work/seed/wav" ;;
    *) echo "$work/seed/afl" ;;
  esac
}

run_one() {
  local t="$1" corpus="$work/corpus_$1"
  mkdir -p "$corpus"
  (cd "$work" && ORV_FUZZ_AIRFOILS="$work/seed/afl" "$build/tests/fuzz/$t" "$corpus" "$(seeds_of "$t")" -max_total_time="$secs" -timeout=10 \
     -rss_limit_mb=2048 -print_final_stats=1 -close_fd_mask=3 -artifact_prefix="$build/artifacts/$t-" \
     > "$work/$t.log" 2>&1)
}

echo "run_fuzz: ${#targets[@]} targets, ${secs}s each, $parallel at a time"
status=0
pids=()
names=()
for t in "${targets[@]}"; do
  run_one "$t" &
  pids+=($!)
  names+=("$t")
  if [ ${#pids[@]} -ge "$parallel" ]; then
    if ! wait "${pids[0]}"; then echo "run_fuzz: ${names[0]} found a problem"; status=1; fi
    pids=("${pids[@]:1}")
    names=("${names[@]:1}")
  fi
done
for i in "${!pids[@]}"; do
  if ! wait "${pids[$i]}"; then echo "run_fuzz: ${names[$i]} found a problem"; status=1; fi
done

for t in "${targets[@]}"; do
  log="$work/$t.log"
  last="$(grep -E '#[0-9]+.*(pulse|DONE|NEW|REDUCE)' "$log" | tail -n1 || true)"
  execs="$(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}' || true)"
  rate="$(grep -E 'exec/s' "$log" | tail -n1 | sed -E 's/.*exec\/s: ([0-9]+).*/\1/' || true)"
  cov="$(sed -nE 's/.* cov: ([0-9]+) ft: ([0-9]+).*/cov \1 ft \2/p' <<<"$last")"
  echo "run_fuzz: $t: ${execs:-?} runs, ${rate:-?} exec/s, ${cov:-no coverage line}"
  if grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:' "$log"; then
    echo "run_fuzz: $t: see $log and $build/artifacts"
    grep -E -A20 'ERROR:|runtime error:' "$log" | head -n 40
    status=1
  fi
done
exit $status
