#!/usr/bin/env bash
# Tries the Windows installer under wine as a user would, in a fresh wine prefix on a private X
# server with a window manager: installs it silently, checks the program's folder, Start-menu
# entry and Programs-and-Features entry, starts the installed quorvel.exe, types the worked
# example with real key events and reads the result back through the clipboard, once with a US
# and once with a German user locale; checks that the program loaded exactly the DLLs shipped with
# it; uninstalls silently and checks that nothing of the program is left. Ends with one line.
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

start_xvfb 1024x768 "$out/xvfb.log" || fail "the X server did not start: $(cat "$out/xvfb.log")"
# Wine's server outlives the programs it ran; it goes before the X server.
stop_wine() { wineserver -k 2>/dev/null || true; }
on_exit stop_wine
wine wineboot --init >>"$out/wine.log" 2>&1
[ -z "$(traces)" ] || fail "the fresh prefix already holds the program"

# Installing, silently.
wine "$installer" /S >>"$out/wine.log" 2>&1
wineserver -w
[ -f "$folder/quorvel.exe" ] || fail "no quorvel.exe after installing"
shortcut=$(find "$drive" -ipath '*/Start Menu/Programs/Quorvel/Quorvel.lnk' | head -n 1)
[ -n "$shortcut" ] || fail "no Start-menu entry"
wine reg query "$uninstall_key" /reg:32 >"$out/uninstall-entry.txt" 2>>"$out/wine.log" ||
    fail "no Programs-and-Features entry"
for value in 'DisplayName.*Quorvel$' "DisplayVersion.*${version//./\\.}$" \
    'Publisher.*The Quorvel developers$' 'DisplayIcon.*quorvel\.exe$' \
    'UninstallString.*Uninstall\.exe"$'; do
    tr -d '\r' <"$out/uninstall-entry.txt" | grep -q "$value" ||
        fail "the Programs-and-Features entry has no $value: $(cat "$out/uninstall-entry.txt")"
done
installed_kib=$(du -sk "$folder" | cut -f1)

stated=$(wine "$folder/quorvel.exe" --version 2>>"$out/wine.log" | tr -d '\r')
[ "$stated" = "Quorvel $version" ] || fail "--version printed '$stated'"

# worked_example LOCALE EXPECTED: the installed program under that user locale, the weights typed
# and Enter pressed, the result field clicked, selected and copied; a screenshot stays in out/.
worked_example() {
    local locale=$1 expected=$2 window field result
    LC_ALL=$locale WINEDEBUG=+loaddll wine "$folder/quorvel.exe" >"$out/$locale.log" 2>&1 &
    app_pid=$!
    stop_on_exit "$app_pid"
    window=$(find_window 60 --name '^ Quorvel ')
    [ -n "$window" ] || fail "the window did not appear ($locale)"
    xdotool windowfocus --sync "$window"
    sleep 1
    type_weights 50
    xdotool key Return
    sleep 1
    import -window root "$out/$locale.png"
    # The result field is the one pure yellow on the screen: clicked, its text selected and
    # copied, which wine hands on to X's clipboard. A busy machine may take a while to paint.
    field=$(convert "$out/$locale.png" -fill black +opaque '#FFFF00' -format %@ info:)
    [[ $field =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || fail "no result field on the screen"
    mogrify -trim +repage "$out/$locale.png"
    for _ in $(seq 20); do
        xdotool mousemove $((BASH_REMATCH[3] + BASH_REMATCH[1] / 2)) \
            $((BASH_REMATCH[4] + BASH_REMATCH[2] / 2)) click 1
        xdotool key ctrl+a ctrl+c
        sleep 0.5
        result=$(timeout 5 xclip -o -selection clipboard 2>/dev/null || true)
        [ "$result" != "$expected" ] || break
    done
    [ "$result" = "$expected" ] || fail "the result under $locale reads '$result', not '$expected'"
    xdotool windowfocus --sync "$window" key Escape
    for _ in $(seq 100); do
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.1
    done
    wait "$app_pid" || fail "the program ended with status $? ($locale)"
}
worked_example en_US.UTF-8 27.36
worked_example de_DE.UTF-8 27,36

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
    "silently under wine ($installed_kib KiB, $(wc -l <<<"$shipped") DLLs, all loaded)," \
    "showed 27.36 under en-US and 27,36 under de-DE for the worked example typed," \
    "and uninstalled leaving nothing"
