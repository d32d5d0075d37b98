#!/usr/bin/env bash
# make windows: Qt for Windows (built once and kept in build/qt-windows), quorvel.exe, its
# installer and portable zip in build/windows, and the installer tried under wine.
set -euo pipefail
cd "$(dirname "$0")/../.."
started=$SECONDS

bash scripts/setup.sh windows
if [ -f build/qt-windows/install/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake ]; then
    echo "windows: Qt for Windows is built already (build/qt-windows/install)"
else
    echo "windows: building Qt for Windows once, which takes a while; log in build/qt-windows.log"
    mkdir -p build
    bash scripts/windows/build-qt.sh build/qt-windows >build/qt-windows.log 2>&1 || {
        tail -n 30 build/qt-windows.log >&2
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
echo "windows: done in $((SECONDS - started)) s"
