#!/usr/bin/env bash
# Tries the Windows installer under wine as a user would, in a fresh wine prefix on a private X
# server with a window manager: runs it page by page with the keyboard and takes its finish page's
# "Run Quorvel" (a screenshot of that page stays in the output); installs it silently over that,
# which uninstalls the first; checks the program's folder, Start-menu entry, Settings > Apps entry
# and version resources; starts the installed quorvel.exe, reads its window's style bits, types the
# worked example with real key events and reads the result back through the clipboard, once with
# a US and once with a German user locale, and beside the US run a UI Automation client whose
# presence makes Qt raise its notifications, which wine logs; shows the window in the windows11
# style; checks that the program loaded exactly the DLLs shipped with it; uninstalls silently and
# checks that nothing of the program is left. Ends with one line.
#   try-installer.sh INSTALLER OUTPUT_DIRECTORY
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=scripts/lib/xvfb.sh
source "$here/scripts/lib/xvfb.sh"
installer=$(realpath "$1")
# The version the program states, as the installer's name carries it.
version=$(basename "$installer" | sed -n 's/^Quorvel-\(.*\)-win64\.exe$/\1/p')
[ -n "$version" ] || { echo "try-installer: $1 is not named Quorvel-VERSION-win64.exe" >&2; exit 2; }
out=$(realpath -m "$2")
rm -rf "$out"
mkdir -p "$out"
export WINEPREFIX=$out/wine
# Wine as the core's tests run it: quiet, no offer of the engines a fresh prefix lacks, and no
# menu entries written for the Linux desktop.
wine() { "$here/scripts/windows/wine-run.sh" "$@"; }
drive=$WINEPREFIX/drive_c
folder="$drive/Program Files/Quorvel"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvel'
caption=' Quorvel '

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# Everything in the prefix's C: drive and registry that names the program.
traces() {
    wineserver -w
    (cd "$drive" && find . | grep -i quorvel) || true
    grep -il quorvel "$WINEPREFIX"/*.reg || true
}
# shot NAME: the screen, cut to what is drawn on it, as out/NAME.png.
shot() {
    import -window root "$out/$1.png"
    mogrify -trim +repage "$out/$1.png"
}
# The window's style bits and the control that UI Automation says has the focus.
probe() {
    wine "$out/window_probe.exe" "$caption" 2>>"$out/wine.log" | tr -d '\r'
}
# wait_for_program SECONDS: the program's window, once it is there and has drawn itself.
wait_for_program() {
    local window
    window=$(find_window "$1" --name "^$caption")
    [ -n "$window" ] || return 1
    xdotool windowfocus --sync "$window"
    sleep 1
    echo "$window"
}
# ends_within SECONDS PID: whether the process PID ends within SECONDS.
ends_within() {
    for _ in $(seq $(($1 * 10))); do
        kill -0 "$2" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}
# versions FILE...: each file's version resource, as version_resource.py prints it.
versions() {
    python3 "$here/scripts/windows/trial/version_resource.py" "$@"
}
# has_full_version FILE DESCRIPTION: fails unless FILE's version resource names the product, its
# maker, copyright, description and version.
has_full_version() {
    local resource
    resource=$(versions "$1")
    for key in 'ProductName=Quorvel' 'CompanyName=The Quorvel developers' \
        'LegalCopyright=Copyright (c) [0-9]* The Quorvel developers' "FileDescription=$2" \
        "ProductVersion=${version//./\\.}" "FileVersion=${version//./\\.}" \
        'FixedFileVersion=[0-9]*\.[0-9.]*'; do
        grep -q ": $key\$" <<<"$resource" || fail "$(basename "$1") has no $key in its version" \
            "resource: $resource"
    done
}

start_xvfb 1024x768 "$out/xvfb.log" || fail "the X server did not start: $(cat "$out/xvfb.log")"
# Wine's server outlives the programs it ran; it goes before the X server.
stop_wine() { wineserver -k 2>/dev/null || true; }
on_exit stop_wine
wine wineboot --init >>"$out/wine.log" 2>&1
[ -z "$(traces)" ] || fail "the fresh prefix already holds the program"
x86_64-w64-mingw32-gcc-posix -O2 -o "$out/window_probe.exe" \
    "$here/scripts/windows/trial/window_probe.c" -lole32 -loleaut32 -luuid

# Installing as a user does: Enter takes each page's default button (Next, I Agree, Next,
# Install), the files are copied, and the finish page's Finish starts the program, whose "Run
# Quorvel" is ticked.
wine "$installer" >>"$out/wine.log" 2>&1 &
setup_pid=$!
setup=$(find_window 60 --name '^Quorvel.* Setup$')
[ -n "$setup" ] || fail "the installer's window did not appear"
for _ in 1 2 3 4; do
    sleep 2
    xdotool windowfocus --sync "$setup" key Return
done
for _ in $(seq 300); do
    [ -f "$folder/Uninstall.exe" ] && break
    sleep 0.2
done
sleep 3
shot installer-finish
xdotool windowfocus --sync "$setup" key Return
ends_within 30 "$setup_pid" || fail "the installer did not end after Finish"
window=$(wait_for_program 60) || fail "Finish did not start the program"
xdotool windowfocus --sync "$window" key Escape
wineserver -w

# Installing silently over it, which first uninstalls what is there.
wine "$installer" /S >>"$out/wine.log" 2>&1
wineserver -w
[ -f "$folder/quorvel.exe" ] || fail "no quorvel.exe after installing"
menu=$(find "$drive" -ipath '*/Start Menu/Programs/Quorvel' -type d | head -n 1)
[ -n "$menu" ] && [ -f "$menu/Quorvel.lnk" ] || fail "no Start-menu entry"
[ "$(ls "$menu")" = Quorvel.lnk ] || fail "the Start menu holds more than the program: $(ls "$menu")"
# Settings > Apps reads a 64-bit program's entry from the 64-bit view of the registry.
wine reg query "$uninstall_key" /reg:64 >"$out/uninstall-entry.txt" 2>>"$out/wine.log" ||
    fail "no Settings > Apps entry in the 64-bit registry"
! wine reg query "$uninstall_key" /reg:32 >/dev/null 2>&1 ||
    fail "a Settings > Apps entry in the 32-bit registry too"
installed_kib=$(du -sk "$folder" | cut -f1)
for value in 'DisplayName.*Quorvel$' "DisplayVersion.*${version//./\\.}$" \
    'Publisher.*The Quorvel developers$' 'DisplayIcon.*quorvel\.exe$' \
    'UninstallString.*Uninstall\.exe"$' 'EstimatedSize.*REG_DWORD.*0x[0-9a-f]*$'; do
    tr -d '\r' <"$out/uninstall-entry.txt" | grep -q "$value" ||
        fail "the Settings > Apps entry has no $value: $(cat "$out/uninstall-entry.txt")"
done
estimated_kib=$(($(tr -d '\r' <"$out/uninstall-entry.txt" | sed -n 's/.*EstimatedSize.* //p')))
[ "$estimated_kib" -ge $((installed_kib * 9 / 10)) ] &&
    [ "$estimated_kib" -le $((installed_kib * 11 / 10)) ] ||
    fail "EstimatedSize is $estimated_kib KiB for $installed_kib KiB installed"

# Version resources: the installer's, the uninstaller's and the program's in full; Qt's DLLs
# state the Qt they are.
has_full_version "$installer" "Quorvel $version Setup"
has_full_version "$folder/Uninstall.exe" "Quorvel $version Setup"
has_full_version "$folder/quorvel.exe" Quorvel
qt_versions=$(versions "$folder"/Qt6*.dll | sed -n 's/.*: FileVersion=//p' | sort -u)
[[ $qt_versions =~ ^6\.8\.[0-9.]+$ ]] || fail "Qt's DLLs are not of one Qt 6.8: $qt_versions"

stated=$(wine "$folder/quorvel.exe" --version 2>>"$out/wine.log" | tr -d '\r')
[ "$stated" = "Quorvel $version" ] || fail "--version printed '$stated'"

# announced TEXT: how often wine's log of the program under worked_example's locale shows Qt
# handing TEXT to UI Automation as a notification.
announced() {
    tr -d '\r' <"$out/$locale.log" | grep -c "UiaRaiseNotificationEvent.*L\"$1\"" || true
}
# focus_is NAME WHEN: fails unless UI Automation says that the control of that accessible name has
# the focus in the program.
focus_is() {
    local seen
    seen=$(probe)
    grep -qxF "focus-name $1" <<<"$seen" || fail "the focus is not on $1 ($2): $seen"
}

# worked_example LOCALE EXPECTED [WINDOW_STYLE]: the installed program under that user locale,
# the weights typed and Enter pressed, the result field clicked, selected and copied; a
# screenshot stays in out/. With WINDOW_STYLE, the window's style bits are written there, and the
# UI Automation client looks on.
worked_example() {
    local locale=$1 expected=$2 style_file=${3:-} window field result
    LC_ALL=$locale WINEDEBUG=+loaddll,+uiautomation wine "$folder/quorvel.exe" \
        >"$out/$locale.log" 2>&1 &
    app_pid=$!
    stop_on_exit "$app_pid"
    window=$(wait_for_program 60) || fail "the window did not appear ($locale)"
    if [ -n "$style_file" ]; then
        probe | sed -n 's/^style //p' >"$style_file"
        focus_is "Weight of the complete car (Lb)" "at the start"
    fi
    type_weights 50
    xdotool key Return
    sleep 1
    if [ -n "$style_file" ]; then
        focus_is Calculate "after Enter"
        [ "$(announced "Minimum horsepower required $expected")" = 1 ] ||
            fail "the result was not handed to UI Automation once: $(announced '[^"]*')"
    fi
    shot "$locale"
    # The result field is the one pure yellow on the screen: clicked, its text selected and
    # copied, which wine hands on to X's clipboard. A busy machine may take a while to paint.
    import -window root "$out/screen.png"
    field=$(convert "$out/screen.png" -fill black +opaque '#FFFF00' -format %@ info:)
    [[ $field =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || fail "no result field on the screen"
    for _ in $(seq 20); do
        xdotool mousemove $((BASH_REMATCH[3] + BASH_REMATCH[1] / 2)) \
            $((BASH_REMATCH[4] + BASH_REMATCH[2] / 2)) click 1
        xdotool key ctrl+a ctrl+c
        sleep 0.5
        result=$(timeout 5 xclip -o -selection clipboard 2>/dev/null || true)
        [ "$result" != "$expected" ] || break
    done
    [ "$result" = "$expected" ] || fail "the result under $locale reads '$result', not '$expected'"
    if [ -n "$style_file" ]; then
        xdotool windowfocus --sync "$window" key alt+r
        sleep 1
        focus_is "Weight of the complete car (Lb)" "after Reset"
        [ "$(announced "Fields reset to their start values")" = 1 ] &&
            [ "$(announced "Minimum horsepower required $expected")" = 1 ] ||
            fail "Reset was not handed to UI Automation once: $(announced '[^"]*')"
    fi
    xdotool windowfocus --sync "$window" key Escape
    ends_within 10 "$app_pid" || fail "the program did not end on Esc ($locale)"
    wait "$app_pid" || fail "the program ended with status $? ($locale)"
}
worked_example en_US.UTF-8 27.36 "$out/window-style.txt"
worked_example de_DE.UTF-8 27,36
# A fixed-size window: a frame that cannot be dragged (no WS_THICKFRAME), a minimise button
# (WS_MINIMIZEBOX) and no maximise button (WS_MAXIMIZEBOX).
style=$(($(cat "$out/window-style.txt")))
[ $((style & 0x40000)) = 0 ] && [ $((style & 0x20000)) != 0 ] && [ $((style & 0x10000)) = 0 ] ||
    fail "the window's style is $(cat "$out/window-style.txt"): not a fixed frame with a" \
        "minimise button alone"

# The style Qt picks on Windows 11, asked for by name.
wine "$folder/quorvel.exe" -style windows11 >>"$out/wine.log" 2>&1 &
app_pid=$!
stop_on_exit "$app_pid"
window=$(wait_for_program 60) || fail "the window did not appear in the windows11 style"
type_weights 50
xdotool key Return
sleep 1
shot windows11
xdotool windowfocus --sync "$window" key Escape
ends_within 10 "$app_pid" || fail "the program did not end on Esc (windows11)"

# The DLLs shipped are exactly those the program loaded from its folder, and it loaded no DLL of
# its own from anywhere else.
shipped=$(cd "$folder" && find . -iname '*.dll' | sed 's|^\./||' | tr '[:upper:]' '[:lower:]' | sort)
loaded=$(tr -d '\r' <"$out/en_US.UTF-8.log" | sed -n 's/.*Loaded L"\([^"]*\)".*: native.*/\1/p' |
    sed 's/\\\\/\//g' | tr '[:upper:]' '[:lower:]' | sort -u)
from_folder=$(sed -n 's|^c:/program files/quorvel/||p' <<<"$loaded" | grep -v '\.exe$' | sort)
[ "$shipped" = "$from_folder" ] || fail "shipped and loaded DLLs differ:
$(diff <(echo "$shipped") <(echo "$from_folder"))"
elsewhere=$(grep -v '^c:/program files/quorvel/' <<<"$loaded" || true)
[ -z "$elsewhere" ] || fail "DLLs loaded from outside the program's folder: $elsewhere"

# Uninstalling, silently; the uninstaller runs from a copy of itself, so wine is waited for.
wine "$folder/Uninstall.exe" /S >>"$out/wine.log" 2>&1
wineserver -w
left=$(traces)
[ -z "$left" ] || fail "uninstalling left: $left"

echo "PASS: $(basename "$installer") ($(($(stat -c %s "$installer") / 1024)) KiB) installed" \
    "under wine by hand and silently ($installed_kib KiB, $(wc -l <<<"$shipped") DLLs, all" \
    "loaded, Qt $qt_versions), window style $(cat "$out/window-style.txt"), showed 27.36" \
    "under en-US and 27,36 under de-DE for the worked example typed, handed the result and" \
    "Reset to UI Automation once each with the focus kept, and uninstalled leaving nothing"
