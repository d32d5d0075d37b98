#!/usr/bin/env bash
# Without any display the program says so in one sentence and ends with status 1, instead of
# the toolkit's abort.
set -uo pipefail
program=$1
message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1)
status=$?
if [ "$status" -ne 1 ]; then
    echo "FAIL: status $status, expected 1; output: $message" >&2
    exit 1
fi
if [ "$message" != "Quorvel needs a graphical display, but neither DISPLAY nor WAYLAND_DISPLAY is set." ]; then
    echo "FAIL: unexpected output: $message" >&2
    exit 1
fi
echo "PASS: $message"
