#!/usr/bin/env bash
# Sets up, builds and runs every test. Prints ctest's summary line.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup.sh"
"$here/scripts/build.sh"
build="${ORV_BUILD_DIR:-$here/build}"
cd "$build"
ctest --output-on-failure -j "${ORV_JOBS:-$(nproc)}" --timeout 900 -LE slow   # the day-long soak: ctest -L slow
