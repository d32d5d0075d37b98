#!/usr/bin/env bash
# Takes a screenshot of the Quorvel window under a private Xvfb server.
#
#   scripts/screenshot.sh OUTPUT.png                    the window as it starts
#   scripts/screenshot.sh --worked-example OUTPUT.png   after typing 3000, 1000, 2500 and Enter
#   scripts/screenshot.sh --scale 2 ... OUTPUT.png      on a screen of twice the density
#   scripts/screenshot.sh --dark ... OUTPUT.png         under a dark colour scheme (qt6ct's "darker")
#   scripts/screenshot.sh --style NAME ... OUTPUT.png   in the Qt style NAME (Fusion, Adwaita...)
#
# The program is build/default/window/quorvel unless QUORVEL_PROGRAM names another. Needs Xvfb,
# openbox, xdotool, ImageMagick and, for --dark, qt6ct (`scripts/setup.sh test` installs them).
set -euo pipefail

worked_example=false
dark=false
scale=1
style=
while [ $# -gt 1 ]; do
    case $1 in
    --worked-example) worked_example=true ;;
    --dark) dark=true ;;
    --scale)
        scale=${2-}
        shift
        ;;
    --style)
        style=${2-}
        shift
        ;;
    *) break ;;
    esac
    shift
done
if [ $# -ne 1 ] || ! [[ $scale =~ ^[1-4]$ ]]; then
    echo "usage: $0 [--worked-example] [--dark] [--scale 1|2|3|4] [--style NAME] OUTPUT.png" >&2
    exit 2
fi
output=$1
here=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=scripts/lib/xvfb.sh
source "$here/scripts/lib/xvfb.sh"
program=${QUORVEL_PROGRAM:-$here/build/default/window/quorvel}
[ -x "$program" ] || { echo "screenshot: $program is not built (run make run or cmake --build)" >&2; exit 1; }

work=$(mktemp -d)
on_exit rm -rf "$work"

# The screen grows with the scale, so that the window still fits on it.
start_xvfb $((1024 * scale))x$((768 * scale)) "$work/xvfb.log" ||
    { cat "$work/xvfb.log" >&2; exit 1; }
export QT_SCALE_FACTOR=$scale
! $dark || use_dark_colour_scheme "$work"

"$program" ${style:+-style "$style"} >"$work/quorvel.log" 2>&1 &
stop_on_exit $!
window=$(find_window 20 --name 'Quorvel')
[ -n "$window" ] || { echo "screenshot: the window did not appear" >&2; cat "$work/quorvel.log" >&2; exit 1; }
xdotool windowfocus --sync "$window"

if $worked_example; then
    type_weights 30
    xdotool key Return
fi
# Give the window a moment to paint what it was just told.
sleep 0.5
import -window "$window" "$output"
echo "screenshot: wrote $output"
