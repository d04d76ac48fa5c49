#!/usr/bin/env bash
# Sets up, builds (with the data tree), installs the program and its data into a folder of
# their own (install/, or $ORV_INSTALL_DIR: bin/vantorel and share/vantorel/) and starts the
# simulator there. Extra arguments go to vantorel. Without a display it runs headless and says so.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup.sh"
"$here/scripts/build.sh"
build="${ORV_BUILD_DIR:-$here/build}"
prefix="${ORV_INSTALL_DIR:-$here/install}"
cmake --install "$build" --prefix "$prefix" > /dev/null
exec "$prefix/bin/vantorel" "$@"
