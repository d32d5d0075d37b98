#!/usr/bin/env bash
# The command line, without any display: --version and --help answer with status 0 wherever
# they stand before a "--", and an answer that cannot be written ends with status 1. Qt takes
# its own options as Qt takes them (a platform that needs no display gets the program past the
# display check), and whatever Qt leaves ends the program with status 2 and one line on stderr.
#
#   command_line.sh QUORVEL_PROGRAM VERSION
set -uo pipefail
program=$1
version=$2
usage='Usage: quorvel [--help | --version]'
failures=0

err_file=$(mktemp)
# The private runtime directory a desktop session gives its programs; without one Qt warns.
runtime=$(mktemp -d)
trap 'rm -rf "$err_file" "$runtime"' EXIT
# A program that should have ended but opened its window is ended after 10 seconds (status 124).
run() {
    timeout 10 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" \
        "$program" "$@" 2>"$err_file"
}
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
expect 0 "$usage" '' --help --bogus
expect 0 "$usage" '' --bogus --help
refused() { echo "quorvel: $1; try 'quorvel --help'"; }
expect 2 '' "$(refused "unknown option '--platform=offscreen'")" -platform offscreen \
    --platform=offscreen
expect 2 '' "$(refused "unknown option '-display=:77'")" -platform offscreen -display=:77
expect 2 '' "$(refused "unknown option '-reverse=1'")" -platform offscreen -reverse=1
expect 2 '' "$(refused "unexpected argument '3000'")" -platform offscreen -style fusion 3000
expect 2 '' "$(refused "unexpected argument '--help'")" -platform offscreen -- --help
# An answer that cannot be written is no answer.
run --version >/dev/full
status=$?
[ "$status" -eq 1 ] && grep -q 'cannot write' "$err_file" ||
    fail "quorvel --version >/dev/full: status $status, stderr '$(cat "$err_file")'"
# Qt's options alone start the program as before, which here ends at the display check.
run -style fusion -reverse
status=$?
[ "$status" -eq 1 ] ||
    fail "quorvel -style fusion -reverse: status $status, not the display check's 1"
# A platform that needs no display gets past it: the window opens and stays until ended, also
# after a "--" that ends the options.
for end in '' --; do
    timeout 3 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" \
        "$program" -platform offscreen $end >/dev/null 2>&1
    status=$?
    [ "$status" -eq 124 ] || fail "quorvel -platform offscreen $end: status $status, not still running"
done

[ "$failures" -eq 0 ] || exit 1
echo "PASS: --version, --help, Qt's options, refused arguments and an answer not written"
