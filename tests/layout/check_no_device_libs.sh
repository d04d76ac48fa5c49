#!/usr/bin/env bash
# Fails when a test program given on the command line links SDL, OpenGL, EGL or a sound
# library: the areas and their tests run without any window, GPU or sound device.
set -u
status=0
for prog in "$@"; do
  if ! libs="$(ldd "$prog" 2>&1)"; then
    echo "cannot list the libraries of $prog: $libs"
    status=1
    continue
  fi
  bad="$(grep -Ei 'libSDL|libGL|libEGL|libOpenGL|libGLX|libopenal|libespeak' <<<"$libs" || true)"
  if [ -n "$bad" ]; then
    echo "$prog links a device library:"
    echo "$bad"
    status=1
  fi
done
[ $# -gt 0 ] || { echo "no test programs given"; status=1; }
exit $status
