#!/usr/bin/env bash
# Runs the AT-SPI worked example on a private X server and a private session bus.
#
#   run.sh QUORVEL_PROGRAM EXPECTED_RESULT RULE_RESULT
#
# The session bus starts the accessibility bus (at-spi-bus-launcher) and the registry by
# activation when Qt or pyatspi first asks for them; they leave when it ends. Their sockets go to
# a private runtime directory, so parallel runs never meet. Everything started here stays in the
# process group that `timeout` makes, and nothing of that group outlives the script: the group
# is stopped on exit before the X server is.
set -euo pipefail

program=$1
expected=$2
rule_result=$3
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=scripts/lib/xvfb.sh
source "$here/../../scripts/lib/xvfb.sh"
work=$(mktemp -d)
on_exit rm -rf "$work"

# The accessibility bus launcher visits the X server before the program does: the server must
# not reset in between.
start_xvfb 1024x768 "$work/xvfb.log" || { cat "$work/xvfb.log" >&2; exit 1; }

export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
# Qt publishes its widgets on the bus only while a screen reader asks for them, unless told to.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# The system python: python3-pyatspi is installed for it, not for any other interpreter.
timeout -k 5 100 dbus-run-session -- \
    /usr/bin/python3 "$here/worked_example.py" "$program" "$expected" "$rule_result" &
group=$!
stop_on_exit -"$group"
status=0
wait "$group" || status=$?
exit "$status"
