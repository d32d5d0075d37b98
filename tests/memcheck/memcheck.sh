#!/usr/bin/env bash
# Runs Quorvel under valgrind's memcheck on a private Xvfb server, calculates the worked example
# with real key events, closes the window with Esc and waits for the program to end. Passes only
# when the program ends with status 0 and memcheck reports no error and no block definitely lost
# beyond the third-party reports that valgrind.supp accounts for.
#
#   tests/memcheck/memcheck.sh QUORVEL SUPPRESSIONS
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 QUORVEL SUPPRESSIONS" >&2
    exit 2
fi
program=$1
suppressions=$2
# Qt starts slowly under memcheck; each wait below gives up after this many seconds.
limit=${QUORVEL_MEMCHECK_LIMIT:-300}

# A desktop session has a session bus; without one, libdbus forks to try to launch one.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null; then
    exec dbus-run-session -- "$0" "$@"
fi

# shellcheck source=scripts/lib/xvfb.sh
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"

for tool in valgrind Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "memcheck: $tool is missing; 'scripts/setup.sh test' installs it" >&2
        exit 1
    fi
done

work=$(mktemp -d)
on_exit rm -rf "$work"

fail() {
    echo "memcheck: $*" >&2
    [ -f "$work/valgrind.log" ] && cat "$work/valgrind.log" >&2
    exit 1
}

start_xvfb 1280x1024 "$work/xvfb.log" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
use_private_runtime_dir "$work"

valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
    --errors-for-leak-kinds=definite --error-exitcode=99 --child-silent-after-fork=yes \
    --num-callers=50 --gen-suppressions=all --suppressions="$suppressions" \
    --log-file="$work/valgrind.log" "$program" &
program_pid=$!
stop_on_exit "$program_pid"

window=$(find_window "$limit" --name '^ Quorvel ')
[ -n "$window" ] || fail "the window did not appear within $limit seconds"
xdotool windowfocus --sync "$window"
type_weights 12
xdotool key Return
xdotool key Escape

# A window that stays open after Esc (say, behind an unexpected message box) fails the test with
# valgrind's log instead of running into CTest's timeout.
timeout "$limit" tail --pid="$program_pid" -s 0.2 -f /dev/null ||
    fail "the program did not end within $limit seconds after Esc"
status=0
wait "$program_pid" || status=$?

grep -E 'LEAK SUMMARY|lost:|reachable:|suppressed:|ERROR SUMMARY' "$work/valgrind.log" |
    sed 's/^==[0-9]*== //'
case $status in
    0) echo "memcheck: no errors and nothing definitely lost outside the suppressions" ;;
    99) fail "memcheck reported errors or definitely lost blocks (the full log follows)" ;;
    *) fail "the program ended with status $status" ;;
esac
