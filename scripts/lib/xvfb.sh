# shellcheck shell=bash
# Sourced by the scripts that run Quorvel on a private X server (Xvfb) and drive it with xdotool.

# Whatever such a script starts is stopped when it exits, however it exits (a CTest timeout's
# TERM too): the X server and window manager that start_xvfb starts, the processes the script
# hands to stop_on_exit, and the commands it hands to on_exit. Sourcing this file sets the EXIT
# trap that does so; the scripts set none of their own.
exit_commands=()

# on_exit COMMAND [ARGUMENT...]
# Runs COMMAND on exit, before the commands handed over earlier, so that what was started last
# is stopped first and the X server goes after its clients.
on_exit() {
    exit_commands=("$(printf '%q ' "$@")" "${exit_commands[@]}")
}

# stop_on_exit PID
# Stops PID on exit: a process this script started, or -PGID, a process group it started.
stop_on_exit() {
    on_exit stop_process "$1"
}

run_exit_commands() {
    local command
    for command in "${exit_commands[@]}"; do
        eval "$command" || true
    done
}
trap run_exit_commands EXIT

# Whether PID is a child of this script that has not ended, or -PGID a group with a process in
# it that has not ended. A child that has ended and been waited for is no longer ours, whatever
# process may have its number now.
running() {
    if [[ $1 == -* ]]; then
        ps -e -o pgid=,stat= | awk -v group="${1#-}" '$1 == group && $2 !~ /^Z/ { found = 1 }
            END { exit !found }'
    else
        ps -o ppid=,stat= -p "$1" 2>/dev/null | awk -v shell=$$ '$1 == shell && $2 !~ /^Z/ {
            found = 1 } END { exit !found }'
    fi
}

# stop_process PID
# Ends PID or -PGID as stop_on_exit takes them: TERM, and KILL for what is still there after five
# seconds. Returns once it has ended.
stop_process() {
    running "$1" || return 0
    kill -TERM -- "$1" 2>/dev/null || true
    for _ in $(seq 50); do
        running "$1" || break
        sleep 0.1
    done
    ! running "$1" || kill -KILL -- "$1" 2>/dev/null || true
    [[ $1 == -* ]] || wait "$1" 2>/dev/null || true
}

# ImageMagick 7 (Debian 13) is run as magick; its convert is a compatibility mode that prints a
# stray line before the results of -fx. ImageMagick 6 (Debian 12) has convert alone.
if command -v magick >/dev/null 2>&1; then
    convert() { magick "$@"; }
fi

# start_xvfb WIDTHxHEIGHT LOG
# Starts Xvfb, its output going to LOG, and points DISPLAY at it, with no Wayland display or Qt
# platform to override it, then a window manager, as users have one: it frames, places and
# focuses windows, which bare Xvfb never does. XVFB_WINDOW_MANAGER names it: openbox (the
# default) or fluxbox; none leaves it out. XVFB_SCREEN=1 gives the server a second screen and
# runs everything there (DISPLAY=:N.1), as on a display with two screens. Both are stopped on
# exit. Fails when no display is reported within 20 seconds or the window manager is not ready
# within 20 seconds more.
# -displayfd picks a free display number, so that parallel runs never collide; -noreset keeps the
# server from resetting when its last client leaves, which would refuse a client arriving then.
start_xvfb() {
    local size=$1 log=$2 display_fd display_number number screen=${XVFB_SCREEN:-0} screens=()
    for number in $(seq 0 "$screen"); do screens+=(-screen "$number" "${size}x24"); done
    exec {display_fd}<> <(:)
    Xvfb -displayfd "$display_fd" "${screens[@]}" -nolisten tcp -noreset >"$log" 2>&1 &
    stop_on_exit $!
    read -r -t 20 -u "$display_fd" display_number || display_number=
    exec {display_fd}<&-
    [ -n "$display_number" ] || return 1
    export DISPLAY=:$display_number
    [ "$screen" = 0 ] || DISPLAY+=.$screen
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
    [ "${XVFB_WINDOW_MANAGER:-openbox}" = none ] || start_window_manager "$log"
}

# Starts the window manager on DISPLAY, its settings and output kept beside LOG, and waits until
# it has announced itself on the root window.
start_window_manager() {
    local home command
    home=$(dirname "$1")/window-manager
    mkdir -p "$home"
    case ${XVFB_WINDOW_MANAGER:-openbox} in
    openbox) command=(env XDG_CONFIG_HOME="$home" XDG_CACHE_HOME="$home" openbox --sm-disable) ;;
    fluxbox) command=(env HOME="$home" fluxbox) ;;
    *) echo "start_xvfb: no such window manager: $XVFB_WINDOW_MANAGER" >>"$1"; return 1 ;;
    esac
    "${command[@]}" >>"$1" 2>&1 &
    stop_on_exit $!
    for _ in $(seq 200); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    return 1
}

# use_private_runtime_dir WORK
# A desktop session provides a private runtime directory; without one Qt warns on every start.
# Makes one below WORK unless the environment has one.
use_private_runtime_dir() {
    [ -z "${XDG_RUNTIME_DIR:-}" ] || return 0
    export XDG_RUNTIME_DIR=$1/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
}

# use_dark_colour_scheme WORK
# Gives the Qt programs started from here on qt6ct's "darker" colour scheme, as many desktops give
# their programs a dark one; its settings are kept below WORK.
use_dark_colour_scheme() {
    mkdir -p "$1/config/qt6ct"
    printf '%s\n' '[Appearance]' 'color_scheme_path=/usr/share/qt6ct/colors/darker.conf' \
        'custom_palette=true' 'style=Fusion' >"$1/config/qt6ct/qt6ct.conf"
    export XDG_CONFIG_HOME=$1/config QT_QPA_PLATFORMTHEME=qt6ct
}

# find_window SECONDS XDOTOOL_SEARCH_OPTIONS...
# Prints the first visible window that matches once one is mapped; nothing when none is within
# SECONDS.
find_window() {
    local seconds=$1
    shift
    timeout "$seconds" xdotool search --sync --onlyvisible "$@" | head -n 1 || true
}

# type_weights DELAY_MS
# Types the worked example's three weights into the focused window, from the car's weight on,
# with a Tab between them: 3000, 1000 and 2500.
type_weights() {
    local delay=$1
    xdotool type --delay "$delay" 3000
    xdotool key Tab
    xdotool type --delay "$delay" 1000
    xdotool key Tab
    xdotool type --delay "$delay" 2500
}
