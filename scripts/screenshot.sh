#!/usr/bin/env bash
# Takes a screenshot of the Quorvel window under a private Xvfb server.
#
#   scripts/screenshot.sh OUTPUT.png                    the window as it starts
#   scripts/screenshot.sh --worked-example OUTPUT.png   after typing 3000, 1000, 2500 and Enter
#   scripts/screenshot.sh --scale 2 ... OUTPUT.png      on a screen of twice the density
#
# The program is build/default/window/quorvel unless QUORVEL_PROGRAM names another. Needs Xvfb,
# xdotool and ImageMagick (scripts/setup.sh installs them).
set -euo pipefail

worked_example=false
scale=1
while [ $# -gt 1 ]; do
    case $1 in
    --worked-example) worked_example=true ;;
    --scale)
        scale=${2-}
        shift
        ;;
    *) break ;;
    esac
    shift
done
if [ $# -ne 1 ] || ! [[ $scale =~ ^[1-4]$ ]]; then
    echo "usage: $0 [--worked-example] [--scale 1|2|3|4] OUTPUT.png" >&2
    exit 2
fi
output=$1
here=$(cd "$(dirname "$0")/.." && pwd)
program=${QUORVEL_PROGRAM:-$here/build/default/window/quorvel}
[ -x "$program" ] || { echo "screenshot: $program is not built (run make run or cmake --build)" >&2; exit 1; }

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# -displayfd picks a free display number and reports it, so parallel runs never collide.
exec {display_fd}<> <(:)
# The screen grows with the scale, so that the window still fits on it.
Xvfb -displayfd "$display_fd" -screen 0 $((1024 * scale))x$((768 * scale))x24 -nolisten tcp \
    >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 20 -u "$display_fd" display_number || { cat "$work/xvfb.log" >&2; exit 1; }
exec {display_fd}<&-
export DISPLAY=:$display_number
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
export QT_SCALE_FACTOR=$scale

"$program" >"$work/quorvel.log" 2>&1 &
app_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name 'Quorvel' | head -n 1)
[ -n "$window" ] || { echo "screenshot: the window did not appear" >&2; cat "$work/quorvel.log" >&2; exit 1; }
xdotool windowfocus --sync "$window"

if $worked_example; then
    xdotool type --delay 30 '3000'
    xdotool key Tab
    xdotool type --delay 30 '1000'
    xdotool key Tab
    xdotool type --delay 30 '2500'
    xdotool key Return
fi
# Give the window a moment to paint what it was just told.
sleep 0.5
import -window "$window" "$output"
echo "screenshot: wrote $output"
