#!/usr/bin/env bash
# make windows: Qt for Windows (built once and kept in build/qt-windows), quorvel.exe, its
# installer and portable zip in build/windows, and the installer tried under wine.
#
# Qt 6.8 is built with Qt 6.8's own host tools, and the trial's screen-reader check needs wine 10.
# A machine whose archives offer both (Debian 13) builds natively; any other (Debian 12) builds in
# a Debian 13 root beside it (scripts/debian13/root.sh, kept and reused), with build/qt-windows
# and build/windows shared with the root, so that the results land here.
#   make-windows.sh            decides, then builds and tries
#   make-windows.sh --prepare  natively: installs the packages and fetches Qt's source, the steps
#                              that need the network
#   make-windows.sh --native   natively: builds and tries, offline
set -euo pipefail
cd "$(dirname "$0")/../.."
started=$SECONDS

# The version of PACKAGE that apt installs here, installed or not; empty when it has none.
offered() {
    apt-cache policy "$1" 2>/dev/null | sed -n 's/^  Candidate: \([^(].*\)$/\1/p'
}
# Qt's host tools of the series built for Windows, and the wine that logs the UI Automation
# calls the trial reads.
offers_native() {
    local qt wine
    qt=$(offered qt6-base-dev-tools)
    wine=$(offered wine)
    [ -n "$qt" ] && [ -n "$wine" ] &&
        dpkg --compare-versions "$qt" ge 6.8 && dpkg --compare-versions "$wine" ge 10
}

prepare() {
    bash scripts/setup.sh windows
    bash scripts/windows/fetch-qt-source.sh build/qt-windows
}

build_and_try() {
    if [ -f build/qt-windows/install/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake ]; then
        echo "windows: Qt for Windows is built already (build/qt-windows/install)"
    else
        echo "windows: building Qt for Windows once, which takes a while; log in" \
            "build/qt-windows/build.log"
        bash scripts/windows/build-qt.sh build/qt-windows >build/qt-windows/build.log 2>&1 || {
            tail -n 30 build/qt-windows/build.log >&2
            exit 1
        }
    fi
    # The icons are made by a native make_icons; the program, its DLLs and plugins are Windows'.
    cmake -S . -B build/windows/host -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build build/windows/host --target make_icons --parallel 2
    cmake --preset windows >/dev/null
    cmake --build --preset windows
    cpack --preset windows
    bash scripts/windows/try-installer.sh build/windows/Quorvel-*-win64.exe build/windows/trial
}

case ${1:-} in
--prepare) prepare; exit ;;
--native) build_and_try; exit ;;
'') ;;
*) echo "usage: $0 [--prepare | --native]" >&2; exit 2 ;;
esac

# apt knows nothing of the archives until its lists are read once.
if [ -z "$(offered wine)" ]; then
    if [ "$(id -u)" -eq 0 ]; then apt-get update -qq; else sudo apt-get update -qq; fi
fi
mkdir -p build/qt-windows build/windows
if offers_native; then
    prepare
    build_and_try
else
    echo "windows: this machine offers no Qt 6.8 tools and wine 10; building in a Debian 13 root"
    bash scripts/setup.sh debian13
    root=(bash scripts/debian13/root.sh)
    shared=(--bind "$PWD/build/qt-windows:/quorvel/build/qt-windows"
            --bind "$PWD/build/windows:/quorvel/build/windows")
    "${root[@]}" make
    "${root[@]}" run "${shared[@]}" -- bash scripts/windows/make-windows.sh --prepare
    # Offline, the trial's X server, window manager and wine never meet this machine's displays.
    "${root[@]}" run --offline "${shared[@]}" -- bash scripts/windows/make-windows.sh --native
fi
echo "windows: done in $((SECONDS - started)) s"
