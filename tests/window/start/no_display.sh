#!/usr/bin/env bash
# Without a display, or with one that cannot be reached, the program ends its output with one
# sentence that names the display that was tried, and with status 1, instead of the toolkit's
# abort and its advice to reinstall; the toolkit's own messages go on before it, none lost, also
# where a warning is made fatal.
set -uo pipefail
program=$1
# A display number and a Wayland socket name that nothing serves, and the private runtime
# directory a desktop session gives its programs (without one, the Wayland library says so).
unused=79
while [ -e "/tmp/.X11-unix/X$unused" ]; do unused=$((unused + 1)); done
socket=quorvel-test-nothing-$$
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT

failures=0
expect() { # what STATUS LAST_LINE_PATTERN ENV...
    local what=$1 status=$2 last=$3 output actual
    shift 3
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
        XDG_RUNTIME_DIR="$runtime" "$@" "$program" 2>&1)
    actual=$?
    # shellcheck disable=SC2053 # the last line is matched against a pattern
    if [ "$actual" -ne "$status" ] || [[ ${output##*$'\n'} != $last ]] ||
        [[ $output == *Reinstalling* ]]; then
        echo "FAIL ($what): status $actual, output: $output" >&2
        failures=$((failures + 1))
    else
        echo "PASS ($what): ${output##*$'\n'}"
    fi
}

expect "no display" 1 \
    "Quorvel needs a graphical display, but neither DISPLAY nor WAYLAND_DISPLAY is set."
expect "X display not there" 1 "Quorvel cannot open the X display \":$unused\"." DISPLAY=:$unused
expect "Wayland display not there" 1 "Quorvel cannot open the Wayland display \"$socket\"." \
    WAYLAND_DISPLAY=$socket
expect "both not there" 1 \
    "Quorvel cannot open the Wayland display \"$socket\" or the X display \":$unused\"." \
    WAYLAND_DISPLAY=$socket DISPLAY=:$unused
expect "only X tried" 1 "Quorvel needs an X display, but DISPLAY is not set." \
    QT_QPA_PLATFORM=xcb WAYLAND_DISPLAY=$socket
# The toolkit aborts at its first warning, as asked; the warning is shown.
expect "warnings made fatal" 134 "*could not connect to display :$unused" \
    DISPLAY=:$unused QT_FATAL_WARNINGS=1
[ "$failures" -eq 0 ]
