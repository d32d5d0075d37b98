#!/usr/bin/env bash
# Runs the AT-SPI worked example on a private X server and a private session bus.
#
#   run.sh QUORVEL_PROGRAM EXPECTED_RESULT
#
# The session bus starts the accessibility bus (at-spi-bus-launcher) and the registry by
# activation when Qt or pyatspi first asks for them; they leave when it ends. Their sockets go to
# a private runtime directory, so parallel runs never meet. Everything started here stays in the
# process group that `timeout` makes, and nothing of that group outlives the script.
set -euo pipefail

program=$1
expected=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
xvfb_pid=
group=
cleanup() {
    if [ -n "$group" ]; then
        # The bus services go when the session bus goes, a moment after it; wait for them before
        # taking their X server away.
        for _ in $(seq 50); do
            kill -0 -- -"$group" 2>/dev/null || break
            sleep 0.1
        done
        kill -- -"$group" 2>/dev/null || true
    fi
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap "exit 143" TERM INT

# -noreset: the accessibility bus launcher visits the X server before the program does, and a
# server that resets when its last client leaves refuses the program if it comes just then.
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1024x768x24 -nolisten tcp -noreset \
    >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 20 -u "$display_fd" display_number || { cat "$work/xvfb.log" >&2; exit 1; }
exec {display_fd}<&-

export DISPLAY=:$display_number
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
# Qt publishes its widgets on the bus only while a screen reader asks for them, unless told to.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# The system python: python3-pyatspi is installed for it, not for any other interpreter.
timeout -k 5 100 dbus-run-session -- \
    /usr/bin/python3 "$here/worked_example.py" "$program" "$expected" &
group=$!
status=0
wait "$group" || status=$?
exit "$status"
