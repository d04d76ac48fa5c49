#!/usr/bin/env bash
# --help documents every flag, --version answers, both exit 0 without starting anything.
set -u
vantorel="$1"
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*"; exit 1; }
"$vantorel" --help > help.txt || fail "--help exited non-zero"
for f in --headless --frames --seconds --fixed-step --seed --script --log --data-dir --config-dir --aircraft --help --version; do
    grep -q -- "$f" help.txt || fail "--help does not mention $f"
done
"$vantorel" --version | grep -q '^Vantorel [0-9]' || fail "--version"
[ -e Error.out ] && fail "--help started the simulator"
echo "ok"
