#!/usr/bin/env bash
# The program on a real X server, driven by real key events: type the worked example, press
# Enter, look at the screen, press Esc, and expect the program to end with status 0.
#
#   worked_example.sh QUORVEL_PROGRAM OUTPUT_DIRECTORY
#
# What is checked: the window appears with its caption; after Enter no second window (a
# message box) is open, the caption is unchanged and the yellow result field, empty before
# Enter, now holds text; Esc ends the process with status 0. The digits themselves are checked by
# the Qt tests; here the screenshots are kept in OUTPUT_DIRECTORY for a person to look at.
set -euo pipefail
# shellcheck source=scripts/lib/xvfb.sh
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"

program=$1
out=$2
mkdir -p "$out"
caption=' Quorvel             www.quorvel.example'

app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    stop_xvfb
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

start_xvfb 1024x768 "$out/xvfb.log" || fail "Xvfb did not start: $(cat "$out/xvfb.log")"
export LC_ALL=C.UTF-8

"$program" >"$out/quorvel.log" 2>&1 &
app_pid=$!
window=$(find_window 30 --name 'Quorvel')
[ -n "$window" ] || fail "the window did not appear: $(cat "$out/quorvel.log")"
[ "$(xdotool getwindowname "$window")" = "$caption" ] || fail "caption is '$(xdotool getwindowname "$window")'"
xdotool windowfocus --sync "$window"

type_weights 20
sleep 0.5
import -window root "$out/typed.png"

# The result field is the only pure yellow on the screen; its box, and how much of it is yellow.
yellow_box=$(convert "$out/typed.png" -fill black +opaque '#FFFF00' -format %@ info:)
yellow_share() {
    convert "$1" -crop "$yellow_box" +repage -fill black +opaque '#FFFF00' -fill white \
        -opaque '#FFFF00' -format '%[fx:mean]' info:
}
case $yellow_box in
[0-9]*x[0-9]*+[0-9]*+[0-9]*) ;;
*) fail "no yellow result field on the screen ($yellow_box)" ;;
esac
before=$(yellow_share "$out/typed.png")
awk -v s="$before" 'BEGIN { exit !(s > 0.995) }' || fail "result field not empty before Enter ($before)"

xdotool key Return
# A busy machine may take a while to paint; look again for up to ten seconds.
for _ in $(seq 20); do
    sleep 0.5
    import -window root "$out/result.png"
    after=$(yellow_share "$out/result.png")
    awk -v s="$after" 'BEGIN { exit !(s < 0.97) }' && break
done
awk -v s="$after" 'BEGIN { exit !(s < 0.97) }' || fail "no result text in the result field ($after)"
visible=$(xdotool search --onlyvisible --pid "$app_pid" --name '.' | wc -l)
[ "$visible" -eq 1 ] || fail "$visible windows open after Enter (a message box?)"
[ "$(xdotool getwindowname "$window")" = "$caption" ] || fail "caption changed"

xdotool windowfocus --sync "$window"
xdotool key Escape
status=0
for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "the program is still running after Esc"
wait "$app_pid" || status=$?
app_pid=
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "PASS: worked example typed, result shown (yellow share $before -> $after), Esc ended with 0"
