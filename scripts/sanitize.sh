#!/usr/bin/env bash
# Builds everything with the address, undefined-behaviour and float-cast-overflow checks into
# build-san/ and runs every test there (the day-long soak aside). The fuzz targets carry
# their own sanitizers and run in the ordinary suite, so they are left out here.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${ORV_SAN_BUILD_DIR:-$here/build-san}"
jobs="${ORV_JOBS:-$(nproc)}"
"$here/scripts/setup.sh"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORV_SANITIZE=ON -DORV_BUILD_BENCH=OFF "$@" >/dev/null
cmake --build "$build" -j "$jobs"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$here/tests/support/lsan.supp:print_suppressions=0"
export ALSOFT_DRIVERS="${ALSOFT_DRIVERS:-null}"
cd "$build"
ctest --output-on-failure -j "$jobs" --timeout 1800 -LE slow -E '^fuzz\.'
