#!/usr/bin/env bash
# gpsd takes the simulator's NMEA from a pseudo-terminal and from UDP: its fixes lie within 10 m
# and 1 kt of the flight log (two flights of 8 s at real pace: label flight).
set -u
work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
exec python3 "$(dirname "$0")/serial_check.py" gpsd "$1" "$2" "$work"
