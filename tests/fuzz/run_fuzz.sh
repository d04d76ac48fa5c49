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
for t in "${targets[@]}"; do [ "$t" = fuzz_acf ] && extra+=(fuzz_seed); done
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

# Scenery seeds: a binary and a text environment file (with objects) and an object file.
mkdir -p "$work/seed_env" "$work/seed_obj"
python3 - "$work/seed_env" <<'PY'
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
printf 'I\n4 roof\n0 0 0\n10 0 0\n10 5 0\n0 5 0\n2 255 0 0\n0 0 0\n0 9 0\n99\n' > "$work/seed_obj/hangar.OBJ"

status=0
for t in "${targets[@]}"; do
  seeds="$work/seed_afl"
  if [ "$t" = fuzz_acf ]; then
    "$build/tests/fuzz/fuzz_seed" "$work/seed_acf"
    seeds="$work/seed_acf"
  fi
  [ "$t" = fuzz_env ] && seeds="$work/seed_env"
  [ "$t" = fuzz_obj ] && seeds="$work/seed_obj"
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
