#!/usr/bin/env bash
# Serial output on a pseudo-terminal: NMEA pairs a second with good checksums on the log's track,
# then the instrument and position records at ten a second, 4800 then 38400 baud; a missing
# device is told and the flight goes on.
set -u
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
exec python3 "$(dirname "$0")/serial_check.py" records "$1" "$2" "$work"
