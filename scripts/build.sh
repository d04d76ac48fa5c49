#!/usr/bin/env bash
# Configures and builds everything into build/ (programs, tools, data tree, tests, benchmarks).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${ORV_BUILD_DIR:-$here/build}"
jobs="${ORV_JOBS:-$(nproc)}"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" -j "$jobs"
