#!/usr/bin/env bash
# Sets up, builds (with the data tree) and starts the simulator. Extra arguments go to vantorel.
# Without a display the simulator runs headless and says so.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup.sh"
"$here/scripts/build.sh"
build="${ORV_BUILD_DIR:-$here/build}"
exec "$build/vantorel" "$@"
