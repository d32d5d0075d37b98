#!/usr/bin/env bash
# The program on a real X server, driven by real key events: type the worked example, press
# Enter, look at the screen, refuse a car weight, press Esc, and expect status 0.
#
#   worked_example.sh QUORVEL_PROGRAM OUTPUT_DIRECTORY [light|dark]
#
# The X server has a window manager unless XVFB_WINDOW_MANAGER=none (scripts/lib/xvfb.sh); "dark"
# gives the program a dark colour scheme, as many desktops do. What is checked: the window
# appears with its caption, without an image-format plugin or the SVG library loaded, centred on
# the screen (its frame, where there is a window manager); after Enter no second window (a
# message box) is open and the yellow result field, empty before, holds text; the figures in the
# white, yellow and (after a refused car weight) red fields stand out from their backgrounds; Esc
# ends the process with status 0. The digits themselves are checked by the Qt tests; the
# screenshots stay in OUTPUT_DIRECTORY for a person to look at.
set -euo pipefail
# shellcheck source=scripts/lib/xvfb.sh
source "$(dirname "$0")/../../scripts/lib/xvfb.sh"

program=$1
out=$2
theme=${3:-light}
mkdir -p "$out"
caption=' Quorvel             www.quorvel.example'

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

start_xvfb 1024x768 "$out/xvfb.log" || fail "the X server did not start: $(cat "$out/xvfb.log")"
export LC_ALL=C.UTF-8
[ "$theme" != dark ] || use_dark_colour_scheme "$out"

"$program" >"$out/quorvel.log" 2>&1 &
app_pid=$!
stop_on_exit "$app_pid"
window=$(find_window 30 --name 'Quorvel')
[ -n "$window" ] || fail "the window did not appear: $(cat "$out/quorvel.log")"
[ "$(xdotool getwindowname "$window")" = "$caption" ] || fail "caption is '$(xdotool getwindowname "$window")'"
xdotool windowfocus --sync "$window"

# Nothing is loaded at start that the window does not show: no image-format plugin, no SVG.
unused=$(grep -oE '/[^ ]*(/imageformats/|libQt6Svg)[^ ]*' "/proc/$app_pid/maps" | sort -u || true)
[ -z "$unused" ] || fail "loaded at start, although the window does not use it: $unused"

# The window (with its frame, where it has one) centred on the screen's work area within 2 px.
read -r x y width height < <(xwininfo -id "$window" |
    sed -n 's/.*Absolute upper-left [XY]: *//p; s/^ *Width: *//p; s/^ *Height: *//p' | xargs)
read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS |
    sed -n 's/.*= //p' | tr -d , | grep . || echo 0 0 0 0)
read -r area_x area_y area_width area_height _ < <(xprop -root _NET_WORKAREA | sed -n 's/.*= //p' |
    tr -d , | grep . || xwininfo -root | sed -n 's/^ *Width: *//p; s/^ *Height: *//p' |
    xargs echo 0 0)
off_x=$(((2 * (x - left) + width + left + right - 2 * area_x - area_width) / 2))
off_y=$(((2 * (y - top) + height + top + bottom - 2 * area_y - area_height) / 2))
[ "${off_x#-}" -le 2 ] && [ "${off_y#-}" -le 2 ] ||
    fail "off centre by $off_x,$off_y (window ${width}x$height+$x+$y, frame $left $right $top $bottom)"

type_weights 20
sleep 0.5
import -window root "$out/typed.png"

# The result field is the only pure yellow on the screen; its box, and how much of it is yellow.
yellow_box=$(convert "$out/typed.png" -fill black +opaque '#FFFF00' -format %@ info:)
yellow_share() {
    convert "$1" -crop "$yellow_box" +repage -fill black +opaque '#FFFF00' -fill white \
        -opaque '#FFFF00' -format '%[fx:mean]' info:
}
[[ $yellow_box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] ||
    fail "no yellow result field on the screen ($yellow_box)"
before=$(yellow_share "$out/typed.png")
awk -v s="$before" 'BEGIN { exit !(s > 0.995) }' || fail "result field not empty before Enter ($before)"
if [ "$theme" = dark ]; then
    # The window's own background, just inside its bottom left corner, must be the scheme's.
    shade=$(convert "$out/typed.png" -crop "1x1+$((x + 4))+$((y + height - 4))" \
        -format '%[fx:luminance]' info:)
    awk -v s="$shade" 'BEGIN { exit !(s < 0.3) }' || fail "the dark colour scheme did not take ($shade)"
fi

field_box=(${BASH_REMATCH[1]} ${BASH_REMATCH[2]} ${BASH_REMATCH[3]} ${BASH_REMATCH[4]})

# legible NAME ROWS_ABOVE_RESULT BACKGROUND LUMINANCE
# A field's inside, 3 pixels in from its edge, must be mostly its background colour, and enough
# of it must stand out from that at a contrast of 3:1 or more (relative luminance, as readability
# guidelines measure it) to show that a figure is drawn there. The car field stands 300 pixels
# above the result field, with the same size. A busy machine may take a while to paint: the
# screen is looked at again for up to ten seconds.
legible() {
    local crop background share shot=$out/${1// /-}.png
    crop=$((field_box[0] - 6))x$((field_box[1] - 6))+$((field_box[2] + 3))+$((field_box[3] + 3 - $2))
    for _ in $(seq 20); do
        import -window root "$shot"
        background=$(convert "$shot" -crop "$crop" +repage -fill white -opaque "$3" \
            -fill black +opaque white -format '%[fx:mean]' info:)
        share=$(convert "$shot" -crop "$crop" +repage -fx \
            "lum=0.2126*pow(r,2.2)+0.7152*pow(g,2.2)+0.0722*pow(b,2.2); (max(lum,$4)+0.05)/(min(lum,$4)+0.05) >= 3" \
            -format '%[fx:mean]' info:)
        awk -v b="$background" -v s="$share" 'BEGIN { exit !(b > 0.5 && s > 0.02) }' && break
        sleep 0.5
    done
    echo "$1: background $3 on $background of it, figure standing out on $share"
    awk -v s="$background" 'BEGIN { exit !(s > 0.5) }' || fail "the $1 is not $3"
    awk -v s="$share" 'BEGIN { exit !(s > 0.02) }' || fail "the figure in the $1 cannot be read"
}

xdotool key Return
# A busy machine may take a while to paint; look again for up to ten seconds.
for _ in $(seq 20); do
    sleep 0.5
    import -window root "$out/result.png"
    after=$(yellow_share "$out/result.png")
    awk -v s="$after" 'BEGIN { exit !(s < 0.97) }' && break
done
awk -v s="$after" 'BEGIN { exit !(s < 0.97) }' || fail "no result text in the result field ($after)"
visible=$(xdotool search --all --onlyvisible --pid "$app_pid" --name '.' | wc -l)
[ "$visible" -eq 1 ] || fail "$visible windows open after Enter (a message box?)"
[ "$(xdotool getwindowname "$window")" = "$caption" ] || fail "caption changed"
legible "yellow result field" 0 "#FFFF00" 0.9278
legible "white car field" 300 "#FFFFFF" 1

# Back to the car weight, a figure it refuses, OK on the notice, and Tab away so that the figure
# is no longer selected.
xdotool key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
xdotool type 0.00000
xdotool key Return
notice=$(find_window 20 --all --pid "$app_pid" --name '^Car Weight$')
[ -n "$notice" ] || fail "no notice for the refused car weight"
# A box mapped a moment ago may not take keys yet: press OK again until it has gone.
notice_open() { [ -n "$(xdotool search --all --onlyvisible --pid "$app_pid" --name '^Car Weight$')" ]; }
for _ in $(seq 20); do
    notice_open || break
    xdotool windowfocus --sync "$notice" key Return 2>/dev/null || true
    sleep 0.5
done
notice_open && fail "the notice did not close on Enter"
xdotool windowfocus --sync "$window" key Tab
legible "red car field" 300 "#FF0000" 0.2126

xdotool windowfocus --sync "$window"
xdotool key Escape
status=0
for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "the program is still running after Esc"
wait "$app_pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "PASS: centred, worked example shown (yellow share $before -> $after), figures legible" \
    "($theme), Esc ended with 0"
