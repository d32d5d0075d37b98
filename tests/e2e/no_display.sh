#!/usr/bin/env bash
# Without a display, or with one that cannot be reached, the program says so in one sentence
# that names the display, and ends with status 1, instead of the toolkit's abort.
set -uo pipefail
program=$1
# A display number and a Wayland socket name that nothing serves.
unused=79
while [ -e "/tmp/.X11-unix/X$unused" ]; do unused=$((unused + 1)); done
socket=quorvel-test-nothing-$$

failures=0
expect() { # what ENV... -- MESSAGE
    local what=$1 message status
    shift
    local environment=()
    while [ "$1" != -- ]; do environment+=("$1"); shift; done
    message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${environment[@]}" \
        "$program" 2>&1)
    status=$?
    if [ "$status" -ne 1 ] || [ "$message" != "$2" ]; then
        echo "FAIL ($what): status $status, output: $message" >&2
        failures=$((failures + 1))
    else
        echo "PASS ($what): $message"
    fi
}

expect "no display" -- \
    "Quorvel needs a graphical display, but neither DISPLAY nor WAYLAND_DISPLAY is set."
expect "X display not there" DISPLAY=:$unused -- \
    "Quorvel cannot open the X display \":$unused\"."
expect "Wayland display not there" WAYLAND_DISPLAY=$socket -- \
    "Quorvel cannot open the Wayland display \"$socket\"."
[ "$failures" -eq 0 ]
