#!/usr/bin/env bash
# The program on a real X server at QT_SCALE_FACTOR 1 and 2.
#
#   high_dpi_x11.sh QUORVEL_PROGRAM OUTPUT_DIRECTORY
#
# At 2 the window is twice as wide and twice as high as at 1, the yellow result field inside it
# too (so the controls grew with it, not just the frame), and the largest icon the window hands
# the desktop is 64x64. The screenshots stay in OUTPUT_DIRECTORY for a person to look at.
set -euo pipefail
# shellcheck source=scripts/lib/xvfb.sh
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"

program=$1
out=$2
mkdir -p "$out"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Room for the window at twice its size. The server must not reset between the two programs.
start_xvfb 2048x1536 "$out/xvfb.log" || fail "Xvfb did not start: $(cat "$out/xvfb.log")"
export LC_ALL=C.UTF-8

# Sets `measured` to the window's width and height, the width of the largest icon it offers and
# the width and height of its yellow result field, at one scale factor.
measure() {
    local scale=$1 window geometry icon yellow
    measured=()
    QT_SCALE_FACTOR=$scale "$program" >"$out/quorvel-$scale.log" 2>&1 &
    app_pid=$!
    stop_on_exit "$app_pid"
    window=$(find_window 30 --pid "$app_pid")
    [ -n "$window" ] || fail "no window at scale $scale: $(cat "$out/quorvel-$scale.log")"
    geometry=$(xdotool getwindowgeometry "$window" |
        sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2/p')
    icon=$(xprop -id "$window" _NET_WM_ICON | sed -n 's/.*Icon (\([0-9]*\) x [0-9]*).*/\1/p' |
        sort -n | tail -n 1)
    # The window paints a moment after it is mapped; wait until the yellow field shows.
    for _ in $(seq 40); do
        import -window "$window" "$out/window-$scale.png"
        yellow=$(convert "$out/window-$scale.png" -fill black +opaque '#FFFF00' -format %@ info:)
        [[ $yellow =~ ^[0-9]+x[0-9]+\+ ]] && break
        sleep 0.25
    done
    [[ $yellow =~ ^([0-9]+)x([0-9]+)\+ ]] || fail "no yellow result field at scale $scale"
    stop_process "$app_pid"
    read -r -a measured <<<"$geometry $icon ${BASH_REMATCH[1]} ${BASH_REMATCH[2]}"
}

measure 1
read -r width1 height1 icon1 yellow_width1 yellow_height1 <<<"${measured[*]}"
measure 2
read -r width2 height2 icon2 yellow_width2 yellow_height2 <<<"${measured[*]}"
echo "scale 1: window ${width1}x$height1, field ${yellow_width1}x$yellow_height1, icon $icon1"
echo "scale 2: window ${width2}x$height2, field ${yellow_width2}x$yellow_height2, icon $icon2"

[ "$width2" -eq $((2 * width1)) ] && [ "$height2" -eq $((2 * height1)) ] ||
    fail "the window is not twice the size at scale 2"
# The field's frame is drawn in whole device pixels: allow two of them either way.
near() { [ "$1" -ge $(($2 - 2)) ] && [ "$1" -le $(($2 + 2)) ]; }
near "$yellow_width2" $((2 * yellow_width1)) && near "$yellow_height2" $((2 * yellow_height1)) ||
    fail "the result field did not grow with the window"
[ "$icon2" = 64 ] || fail "the largest icon at scale 2 is $icon2 pixels, not 64"
echo "PASS: twice the size at scale 2, icon at 64 pixels"
