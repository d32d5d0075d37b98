#!/usr/bin/env bash
# The command line, without any display: --version and --help answer with status 0, Qt's own
# options go on to Qt with their values, and any other argument ends the program with status 2
# and one line on stderr. The first argument that is not Qt's decides.
#
#   command_line.sh QUORVEL_PROGRAM VERSION
set -uo pipefail
program=$1
version=$2
usage='Usage: quorvel [--help | --version]'
failures=0

err_file=$(mktemp)
trap 'rm -f "$err_file"' EXIT
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" 2>"$err_file"; }
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# expect STATUS STDOUT_FIRST_LINE STDERR ARGUMENT...
expect() {
    local status=$1 out=$2 err=$3 actual_out actual_status
    shift 3
    actual_out=$(run "$@")
    actual_status=$?
    [ "$actual_status" = "$status" ] && [ "${actual_out%%$'\n'*}" = "$out" ] &&
        [ "$(cat "$err_file")" = "$err" ] ||
        fail "quorvel $*: status $actual_status, stdout '$actual_out', stderr '$(cat "$err_file")'"
}

expect 0 "Quorvel $version" '' --version
expect 0 "Quorvel $version" '' -v
expect 0 "$usage" '' --help
expect 0 "$usage" '' -h
expect 0 "Quorvel $version" '' -style fusion --version
expect 0 "Quorvel $version" '' --platform=offscreen -reverse --version
expect 0 "Quorvel $version" '' -qwindowtitle --help --version
expect 2 '' "quorvel: unknown option '--bogus'; try 'quorvel --help'" --bogus --version
expect 2 '' "quorvel: unknown option '-reverse=1'; try 'quorvel --help'" -reverse=1
expect 2 '' "quorvel: unexpected argument '3000'; try 'quorvel --help'" -style fusion 3000
# Qt's options alone start the program as before, which here ends at the display check.
run -style fusion -reverse
status=$?
[ "$status" -eq 1 ] ||
    fail "quorvel -style fusion -reverse: status $status, not the display check's 1"
# A platform that needs no display gets past it: the window opens and stays until ended.
timeout 3 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" -platform offscreen \
    >/dev/null 2>&1
status=$?
[ "$status" -eq 124 ] || fail "quorvel -platform offscreen: status $status, not still running"

[ "$failures" -eq 0 ] || exit 1
echo "PASS: --version, --help, Qt's options and refused arguments"
