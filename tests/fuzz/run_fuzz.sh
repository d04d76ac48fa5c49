#!/usr/bin/env bash
# Builds the file-reader fuzz targets in a separate clang build and runs each for a bounded
# time over a generated seed corpus. Exits non-zero when a target finds a crash, a leak or
# undefined behaviour (the input that did it is kept in BUILD/artifacts), 77 when there is
# nothing to fuzz (no clang, or no reader yet).
#
#   run_fuzz.sh [BUILD_DIR] [SECONDS_PER_TARGET]
set -euo pipefail

here="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$here/build-fuzz}"
secs="${2:-${ORV_FUZZ_SECONDS:-30}}"
jobs="${ORV_JOBS:-2}"

if ! command -v clang++ >/dev/null 2>&1; then
  echo "run_fuzz: clang++ not found; nothing fuzzed"
  exit 77
fi

san="-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORV_FUZZ=ON -DORV_BUILD_DATA=OFF -DORV_BUILD_BENCH=OFF \
  -DCMAKE_C_FLAGS="$san" -DCMAKE_CXX_FLAGS="$san" >/dev/null

list="$build/tests/fuzz/fuzz_targets.txt"
mapfile -t targets < <(grep -v '^$' "$list" || true)
if [ ${#targets[@]} -eq 0 ]; then
  echo "run_fuzz: no reader entry points to fuzz yet"
  exit 77
fi

extra=(afoilgen)
for t in "${targets[@]}"; do
  [ "$t" = fuzz_acf ] && extra+=(fuzz_seed)
  [ "$t" = fuzz_bmp ] && extra+=(artgen)
done
cmake --build "$build" -j "$jobs" --target "${targets[@]}" "${extra[@]}" >/dev/null

# Seed corpora: the shipped airfoil files and a few damaged ones; empty aircraft images.
work="$build/fuzz-work"
rm -rf "$work"
mkdir -p "$work/seed_afl" "$work/seed_acf" "$build/artifacts"
afoilgen="$build/tools/afoilgen/afoilgen"
"$afoilgen" --airfoils "$work/seed_afl" --flaps "$work/seed_afl" "$here"/data/airfoils/*.sec >/dev/null
first="$(ls "$work/seed_afl"/*.afl | head -n1)"
head -c 300 "$first" > "$work/seed_afl/cut.afl"
sed 's/^1234$/4321/' "$first" > "$work/seed_afl/badcheck.afl"
tr '\n' '\r' < "$first" > "$work/seed_afl/cr.afl"
printf 'I\n363 version\n1234\n' > "$work/seed_afl/head_only.afl"

# Bitmap seeds: small pictures of the program's own artwork, one cut short, one with padding rows.
if [ -x "$build/tools/artgen/artgen" ]; then
  mkdir -p "$work/seed_bmp" "$work/art"
  "$build/tools/artgen/artgen" --out "$work/art" >/dev/null
  for n in cursor rway_1L windsock smoke; do cp "$work/art/textures/$n.BMP" "$work/seed_bmp/"; done
  cp "$work/art/bitmaps/Vantorel/b_gear.BMP" "$work/seed_bmp/"
  head -c 200 "$work/art/textures/cursor.BMP" > "$work/seed_bmp/cut.BMP"
fi

status=0
for t in "${targets[@]}"; do
  seeds="$work/seed_afl"
  [ "$t" = fuzz_bmp ] && seeds="$work/seed_bmp"
  if [ "$t" = fuzz_acf ]; then
    "$build/tests/fuzz/fuzz_seed" "$work/seed_acf"
    seeds="$work/seed_acf"
  fi
  corpus="$work/corpus_$t"
  mkdir -p "$corpus"
  echo "run_fuzz: $t for ${secs}s"
  if ! (cd "$work" && "$build/tests/fuzz/$t" "$corpus" "$seeds" -max_total_time="$secs" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/artifacts/$t-" \
        > "$work/$t.log" 2>&1); then
    echo "run_fuzz: $t found a problem; see $work/$t.log and $build/artifacts"
    tail -n 40 "$work/$t.log"
    status=1
  else
    grep -E '^stat::number_of_executed_units|^Done' "$work/$t.log" || true
  fi
done
exit $status
