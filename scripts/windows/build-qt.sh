#!/usr/bin/env bash
# Builds Qt Base for 64-bit Windows from Debian's source, once: shared, release, and with only what
# a Widgets program uses. The host's Qt tools (moc, rcc, uic) generate the code.
#   build-qt.sh DIR      leaves Qt installed in DIR/install
set -euo pipefail
dir=$(realpath -m "$1")
here=$(cd "$(dirname "$0")" && pwd)
[ -f "$dir/install/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake" ] && exit 0

bash "$here/fetch-qt-source.sh" "$dir"
rm -rf "$dir/build" "$dir/install"
features=(
    sql network dbus vulkan printsupport concurrent xml testlib
    jpeg gif icu zstd openssl
    # Debian's source leaves out the third-party tablet headers.
    tabletevent
    # Direct2D drawing; the font database's DirectWrite part, which needs direct2d itself, stays.
    direct2d1_1
    # Qt's own copies of these, since mingw-w64 has none of them.
    system_zlib system_pcre2 system_png system_harfbuzz system_doubleconversion system_freetype
)
off=()
for feature in "${features[@]}"; do off+=("-DFEATURE_$feature=OFF"); done

# OpenGL goes off as configure's -no-opengl puts it: Windows' dynamic OpenGL follows that input,
# not the opengl feature.
cmake -S "$dir/qtbase" -B "$dir/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/../../cmake/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(gcc -print-multiarch)/cmake" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DCMAKE_INSTALL_PREFIX="$dir/install" \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DINPUT_opengl=no "${off[@]}"
cmake --build "$dir/build" --parallel 2
cmake --install "$dir/build"
rm -rf "$dir/build"
